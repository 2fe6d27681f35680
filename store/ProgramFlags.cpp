#include "store/ProgramFlags.h"

BOOL g_bShowHistory = 1;
BOOL g_bShowCountdownDefault = 1;
BOOL g_bShowSunInfo = 0;
float g_fFileVersion = 1.5f;
int g_nEditorsOpen = 0;
BOOL g_bOptionsOpen = 0;
int g_nAlarmsRinging = 0;
namespace {
// Until the textures are measured: a warm yellow caption over a pale body.
constexpr COLORREF kTitleBeforeTextures = RGB(236, 196, 72);
constexpr COLORREF kBackBeforeTextures = RGB(255, 247, 196);
} // namespace

COLORREF g_crNoteTitleDefault = kTitleBeforeTextures;
COLORREF g_crNoteBackDefault = kBackBeforeTextures;

void ResetProgramFlags() {
    g_bShowHistory = 1;
    g_bShowCountdownDefault = 1;
    g_bShowSunInfo = 0;
    g_fFileVersion = 1.5f;
    g_nEditorsOpen = 0;
    g_bOptionsOpen = 0;
    g_nAlarmsRinging = 0;
    g_crNoteTitleDefault = kTitleBeforeTextures;
    g_crNoteBackDefault = kBackBeforeTextures;
}
