// Saves the data file in $ORRINDALE_HOME over and over through the program's
// own save, one generation after the other, until it is killed. Before each
// save it writes "saving G", after it "saved G", straight to its output so
// that a line written is never lost in a buffer when the process dies.
#include "Generation.h"

#include "store/CalendarData.h"

#include <string>

#include <unistd.h>

namespace {

void Say(const std::string& what, int g) {
    const std::string line = what + " " + std::to_string(g) + "\n";
    if (::write(STDOUT_FILENO, line.data(), line.size()) < 0) _exit(3);
}

} // namespace

int main() {
    CCalendarData data;
    // A file that does not load whole is what the killing is meant to
    // catch: this program must not start over on top of it.
    if (!data.Load() || !data.GetDamagedFileCopy().empty()) return 2;
    bool withExpired = false;
    std::string error;
    int g = CGeneration::Of(data, withExpired, error);
    if (g < 0) { // a fresh folder: only the welcome note
        g = 0;
        data.RemoveAllNotes();
    }
    for (;;) {
        CGeneration::Make(data, ++g);
        Say("saving", g);
        if (!data.SaveQuietly()) {
            Say("failed", g);
            return 1;
        }
        Say("saved", g);
    }
}
