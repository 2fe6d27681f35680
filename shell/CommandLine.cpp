#include "shell/CommandLine.h"

CCommandLine::CCommandLine(int argc, const char* const* argv) {
    for (int i = 1; i < argc; ++i) {
        if (i > 1) m_strText += ' ';
        m_strText += argv[i];
    }
}
