#pragma once
// The colours the calendar window and its views paint with. The window
// texture colour and the toolbar colour are the program-wide note colours,
// measured from the two textures at start and after the options; the page
// colour is fixed; the text colour is the user's (the settings' m_crText).

#include "store/ProgramFlags.h"

inline constexpr COLORREF kPageColor = 0x00FFF5F5;

struct CViewColors {
    COLORREF page;
    COLORREF windowTexture;
    COLORREF toolbar;
    COLORREF text;
};

// The colours as they stand now, with the user's text colour.
inline CViewColors CurrentViewColors(COLORREF text) {
    return {kPageColor, g_crNoteTitleDefault, g_crNoteBackDefault, text};
}
