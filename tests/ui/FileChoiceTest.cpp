// The checks the save-as dialog of both interactive backends applies to the chosen file.
#include "platform/ui/FileChoice.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>

namespace fs = std::filesystem;

namespace {

class FileChoiceTest : public ::testing::Test {
protected:
    // The process's drive map is read once: C: is a folder of this suite.
    static void SetUpTestSuite() {
        s_root =
            fs::temp_directory_path() / ("gk-filechoice-" + std::to_string(std::random_device()()));
        fs::create_directories(s_root / "c/out");
        std::ofstream(s_root / "c/out/old.csv") << "x";
        std::ofstream(s_root / "drives.map")
            << "[drives]\nC = fixed " << (s_root / "c").string() << "\n";
        setenv("GKLINK_DRIVES", (s_root / "drives.map").c_str(), 1);
    }
    static void TearDownTestSuite() { fs::remove_all(s_root); }

    static fs::path s_root;
};

fs::path FileChoiceTest::s_root;

TEST_F(FileChoiceTest, AcceptsAddsTheDefaultExtensionOrComplainsAsTheSystemDoes) {
    constexpr DWORD SAVE = OFN_HIDEREADONLY | OFN_NOCHANGEDIR | OFN_PATHMUSTEXIST;
    constexpr DWORD DIALOG_FLAGS = SAVE | OFN_FILEMUSTEXIST; // what the export dialog asks for
    struct StCASE {
        const char* szChosen;
        DWORD dwFlags;
        bool bAccepted;
        const char* szResult; // the final path, or the complaint
    };
    const StCASE aCases[] = {
        {"C:\\out\\old.csv", DIALOG_FLAGS, true, "C:\\out\\old.csv"},
        {"C:\\out\\new.csv", DIALOG_FLAGS, false,
         "C:\\out\\new.csv\nファイルが見つかりません。\nファイル名を確認してください。"},
        {"C:\\out\\new.csv", SAVE, true, "C:\\out\\new.csv"},
        {"C:\\out\\new", SAVE, true, "C:\\out\\new.CSV"},
        {"C:\\out\\old", DIALOG_FLAGS, false,
         "C:\\out\\old.CSV\nファイルが見つかりません。\nファイル名を確認してください。"},
        {"C:\\none\\new.csv", SAVE, false,
         "C:\\none\\new.csv\nパスが存在しません。\nパスを確認してください。"},
        {"C:\\none\\new.csv", OFN_HIDEREADONLY, true, "C:\\none\\new.csv"},
        {"C:\\out\\*.csv", SAVE, false, "C:\\out\\*.csv\nファイル名が正しくありません。"},
        {"C:\\out\\", SAVE, false, "C:\\out\\\nファイル名が正しくありません。"},
        {"Q:\\new.csv", SAVE, false, "Q:\\new.csv\nパスが存在しません。\nパスを確認してください。"},
    };
    for (const StCASE& rCase : aCases) {
        const StOPENFILENAME ofn{
            nullptr, "CSV Files (*.csv)|*.csv||", "", nullptr, nullptr, "CSV", rCase.dwFlags};
        std::string strPath = rCase.szChosen, strComplaint;
        EXPECT_EQ(CheckFileChoice(ofn, strPath, strComplaint) != FALSE, rCase.bAccepted)
            << rCase.szChosen;
        EXPECT_EQ(rCase.bAccepted ? strPath : strComplaint, rCase.szResult) << rCase.szChosen;
    }
}

} // namespace
