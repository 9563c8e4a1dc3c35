// Start-up: the environment level check in the program's folder and the connection.
#include "tests/e2e/Events.h"
#include "tests/e2e/Machine.h"

#include <gtest/gtest.h>

#include <optional>
#include <ostream>

using namespace e2e;

namespace {

// A run that gets past the start-up shows the dialog; the script then cancels it.
const std::vector<std::string> CANCEL = {"click 1006"};
std::string Started() {
    return Expect({Dialog(), Cancelled(), End(ID_CANCEL)});
}

struct StLEVELCASE {
    const char* szName;
    std::optional<std::string> strIni; // WendmoorDef.ini, none: missing
    const std::string* pMessage;       // the refusal, null: the check passes
};

void PrintTo(const StLEVELCASE& c, std::ostream* pOut) {
    *pOut << c.szName;
}

class LevelCheck : public ::testing::TestWithParam<StLEVELCASE> {};

TEST_P(LevelCheck, RefusesOrPasses) {
    ClMachine m;
    m.SetIni(GetParam().strIni);
    StRUN run = m.Run(GetParam().pMessage ? std::vector<std::string>{} : CANCEL);
    EXPECT_EQ(run.nStatus, 0) << run.strStderr;
    if (GetParam().pMessage)
        EXPECT_EQ(run.Transcript(),
                  Expect({Box("none", "MB_ICONEXCLAMATION", *GetParam().pMessage)}));
    else
        EXPECT_EQ(run.Transcript(), Started());
}

std::string Ini(const std::string& strValueLine) {
    return "[ProgramLevel]\r\n" + strValueLine + "\r\n";
}

INSTANTIATE_TEST_SUITE_P(
    Values, LevelCheck,
    ::testing::Values(StLEVELCASE{"MissingFile", std::nullopt, &MSG_NO_ENVIRONMENT},
                      StLEVELCASE{"MissingKey", Ini("GK12=5"), nullptr},
                      StLEVELCASE{"MissingSection", std::string("[Other]\r\nGK13=5\r\n"), nullptr},
                      StLEVELCASE{"EmptyFile", std::string(), nullptr},
                      StLEVELCASE{"EmptyValue", Ini("GK13="), &MSG_NO_ENVIRONMENT},
                      StLEVELCASE{"Zero", Ini("GK13=0"), &MSG_PROGRAM_TOO_NEW},
                      StLEVELCASE{"MinusTwo", Ini("GK13=-2"), &MSG_PROGRAM_TOO_NEW},
                      StLEVELCASE{"Letters", Ini("GK13=abc"), &MSG_PROGRAM_TOO_NEW},
                      StLEVELCASE{"Two", Ini("GK13=2"), &MSG_PROGRAM_TOO_OLD},
                      StLEVELCASE{"Thirteen", Ini("GK13=13"), &MSG_PROGRAM_TOO_OLD},
                      StLEVELCASE{"Huge", Ini("GK13=999999999999999"), &MSG_PROGRAM_TOO_OLD},
                      StLEVELCASE{"One", Ini("GK13=1"), nullptr},
                      StLEVELCASE{"LeadingBlank", Ini("GK13=\" 1\""), nullptr},
                      StLEVELCASE{"OneAndLetter", Ini("GK13=1x"), nullptr},
                      StLEVELCASE{"PlusOne", Ini("gk13=+1"), nullptr}),
    [](const auto& info) { return std::string(info.param.szName); });

TEST(Startup, FindsTheEnvironmentInItsOwnFolderNotTheStartFolder) {
    ClMachine m;
    // The run starts in C:\; an environment file there is not the one.
    m.Write("C:\\WendmoorDef.ini", Ini("GK13=1"));
    m.SetIni(Ini("GK13=2"));
    EXPECT_EQ(m.Run({}).Transcript(),
              Expect({Box("none", "MB_ICONEXCLAMATION", MSG_PROGRAM_TOO_OLD)}));
}

TEST(Startup, ProgramFolderEndingInATrailByteBackslashStillGetsASeparator) {
    // 表 is 0x95 0x5C: its trail byte must not count as the folder's separator.
    ClMachine m;
    m.SetProgramFolder("C:\\Apps\\\x95\x5C");
    EXPECT_EQ(m.Run(CANCEL).Transcript(), Started());
}

TEST(Startup, FailedConnectionShowsOnlyTheAccountingSystemsMessage) {
    struct {
        const char* szName;
        const char* szSql;
        bool bWithIni;
    } const cases[] = {
        {"Initiate", "DROP TABLE assets", true},
        {"InitiateBeforeLevelCheck", "DROP TABLE assets", false},
        {"ExpSysLink", "DELETE FROM users WHERE user_id = 'ADMIN'", true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.szName);
        ClMachine m;
        m.Db().Sql(c.szSql);
        if (!c.bWithIni)
            m.SetIni(std::nullopt);
        StRUN run = m.Run({});
        EXPECT_EQ(run.nStatus, 0) << run.strStderr;
        // One box of the stand-in's own, without owner; no dialog, no level message.
        ASSERT_EQ(run.vEvents.size(), 1u) << run.Transcript();
        EXPECT_EQ(run.vEvents[0].at("event"), "msgbox");
        EXPECT_EQ(run.vEvents[0].at("owner"), "none");
        EXPECT_EQ(run.vEvents[0].at("caption"), U8(u8"減価償却"));
        EXPECT_NE(run.vEvents[0].at("text"), MSG_NO_ENVIRONMENT);
    }
}

TEST(Startup, LevelIsCheckedBeforeTheLink) {
    ClMachine m;
    m.SetIni(std::nullopt);
    m.Db().Sql("DELETE FROM users WHERE user_id = 'ADMIN'");
    EXPECT_EQ(m.Run({}).Transcript(),
              Expect({Box("none", "MB_ICONEXCLAMATION", MSG_NO_ENVIRONMENT)}));
}

} // namespace
