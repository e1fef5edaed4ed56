#include "version_report.h"

#include "platform.h"

namespace {

const char versionText[] = "1.09";

// Each usage line, and its comment; the comments start at one column.
const char* const usageLines[][2] = {
    {"pressGo        ", "# Decide according to pressGo.txt "},
    {"pressGo -c3    ", "# diagonal "},
    {"pressGo -p     ", "# PDF help "},
    {"pressGo -s-    ", "# manual start "},
    {"pressGo -s- -w ", "# Show where the cursor is. "},
    {"pressGo -V     ", "# version "},
    {"pressGo -VC    ", "# version with comments "},
};

}  // namespace

void writeVersionReport(bool commented) {
    // A report that cannot be written is not reported: the launcher has no console.
    platform::TextWriter report;
    if (report.create("version.txt") != 0) return;
    report.write("pressGo Version ");
    report.write(versionText);
    report.write("\n\n");
    for (const auto& line : usageLines) {
        report.write(line[0]);
        if (commented) report.write(line[1]);
        report.write("\n");
    }
    report.close();
}
