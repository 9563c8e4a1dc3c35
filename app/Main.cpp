// The program's one application object and its entry point.
#include "app/ExportApp.h"

namespace {
ClExportApp theApp;
}

int main() {
    return theApp.Run();
}
