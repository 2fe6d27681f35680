#include "views/RtfReader.h"

#include "views/RtfCodePage.h"
#include "views/RtfTokenizer.h"
#include "zadad/TextCodec.h"

#include <algorithm>
#include <array>
#include <iterator>
#include <map>
#include <optional>
#include <vector>

namespace {

// Groups nested deeper than this share the innermost kept state, so that a
// flood of opening braces costs a counter instead of memory; their text is
// still read.
constexpr std::size_t kMaxKeptDepth = 200000;
constexpr std::size_t kMaxFontName = 255;
constexpr int kMaxHalfPoints = 3276;
constexpr char16_t kReplacement = 0xFFFD;

// Destinations with text the program never shows: skipped whole even when a
// writer leaves out the "\*" that would mark them optional.
// clang-format off
constexpr std::string_view kIgnoredDestinations[] = {
    "aftnsep", "aftnsepc", "annotation", "atnauthor", "atnid", "author", "bkmkend", "bkmkstart",
    "blipuid", "buptim", "colorschememapping", "comment", "creatim", "datastore", "do",
    "doccomm", "docvar", "fchars", "fldinst", "filetbl", "footer", "footerf", "footerl",
    "footerr", "footnote", "ftnsep", "ftnsepc", "generator", "header", "headerf", "headerl",
    "headerr", "info", "keywords", "latentstyles", "lchars", "listoverridetable", "listtable",
    "mmathPr", "nonshppict", "object", "objdata", "operator", "pgdsctbl", "pict", "pn",
    "printim", "private", "revtbl", "revtim", "rsidtbl", "rxe", "shp", "stylesheet", "subject",
    "tc", "template", "themedata", "title", "xe"};
// clang-format on

// Every kind of underline (dotted, double, wavy...) is shown as a plain underline.
// clang-format off
constexpr std::string_view kUnderlineWords[] = {
    "ul", "uld", "uldash", "uldashd", "uldashdd", "uldb", "ulhwave", "ulldash", "ulth", "ulthd",
    "ulthdash", "ulthdashd", "ulthdashdd", "ulthldash", "ululdbwave", "ulw", "ulwave"};
// clang-format on

struct CSymbolWord {
    std::string_view word;
    char32_t cp;
};
constexpr CSymbolWord kSymbolWords[] = {
    {"bullet", 0x2022},    {"emdash", 0x2014},    {"endash", 0x2013},  {"emspace", 0x2003},
    {"enspace", 0x2002},   {"qmspace", 0x2005},   {"lquote", 0x2018},  {"rquote", 0x2019},
    {"ldblquote", 0x201C}, {"rdblquote", 0x201D}, {"zwj", 0x200D},     {"zwnj", 0x200C},
    {"zwbo", 0x200B},      {"zwnbo", 0x2060},     {"ltrmark", 0x200E}, {"rtlmark", 0x200F}};

template <std::size_t N> bool Contains(const std::string_view (&words)[N], std::string_view word) {
    return std::find(std::begin(words), std::end(words), word) != std::end(words);
}

bool IsParagraphEnd(std::string_view w) {
    return w == "par" || w == "sect" || w == "page" || w == "row" || w == "nestrow";
}

bool IsCellEnd(std::string_view w) {
    return w == "tab" || w == "cell" || w == "nestcell";
}

enum class Dest { Body, FontTable, ColorTable };

struct CGroupState {
    Dest dest = Dest::Body;
    int nFont = -1;  // -1: the document's default font
    int nColor = -1; // -1: automatic colour
    int nHalfPoints = 0;
    bool bBold = false;
    bool bItalic = false;
    bool bUnderline = false;
    bool bStrike = false;
    bool bHidden = false;
    int nUnicodeSkip = 1; // fallback units after each \uN

    void ResetCharFormat() {
        const CGroupState plain;
        nFont = plain.nFont;
        nColor = plain.nColor;
        nHalfPoints = plain.nHalfPoints;
        bBold = bItalic = bUnderline = bStrike = bHidden = false;
    }
};

class CParser {
public:
    explicit CParser(std::string_view text) : m_tokens(text) {}
    CRtfDocument Run();

private:
    CGroupState& Current() { return m_groups.back(); }
    void OnToken(CRtfToken token);
    bool TrimFallback(CRtfToken& token);
    void OpenGroup();
    void CloseGroup();
    void LeaveGroup();
    void PopGroup();
    bool StartDestination(const CRtfToken& token);
    void OnControlWord(const CRtfToken& token);
    void OnBodyWord(std::string_view word, int param, bool hasParam);
    void OnColorWord(std::string_view word, int param);
    void OnSymbol(char symbol);
    void OnText(std::string_view text);
    void OnUnicode(int param);
    void AddByte(unsigned char byte, bool escaped);
    void FlushBytes();
    void FlushText();
    void EmitAscii(std::string_view text);
    void EmitCodePoint(char32_t cp);
    void EmitText(std::string_view utf8);
    void EndParagraph();
    void CommitFont();
    void CommitColor();
    bool HasPendingColor() const { return m_rgb[0] >= 0 || m_rgb[1] >= 0 || m_rgb[2] >= 0; }
    CRtfCharFormat CurrentFormat() const;

    CRtfTokenizer m_tokens;
    std::vector<CGroupState> m_groups;
    std::size_t m_nOverflow = 0;
    bool m_bGroupStart = false;
    bool m_bStarred = false;
    bool m_bDone = false;

    CRtfCodePage m_codePage;
    std::string m_strBytes;
    bool m_bBytesEscaped = false;
    char16_t m_chHighSurrogate = 0;
    int m_nSkip = 0;

    int m_nDefaultFont = -1;
    std::map<int, std::string> m_fonts;
    int m_nFontEntry = -1;
    std::string m_strFontName;
    std::vector<std::optional<COLORREF>> m_colors;
    std::array<int, 3> m_rgb = {-1, -1, -1};

    std::string m_strText; // body text not yet put into a run
    CRtfParagraph m_paragraph;
    CRtfDocument m_doc;
};

CRtfDocument CParser::Run() {
    m_groups.push_back(CGroupState{}); // outside every group
    while (!m_bDone) {
        const CRtfToken token = m_tokens.Next();
        if (token.m_kind == CRtfToken::Kind::End) break;
        OnToken(token);
    }
    FlushText();
    if (!m_paragraph.IsEmpty()) m_doc.m_paragraphs.push_back(std::move(m_paragraph));
    return std::move(m_doc);
}

void CParser::OnToken(CRtfToken token) {
    if (m_nSkip > 0 && !TrimFallback(token)) return;
    using Kind = CRtfToken::Kind;
    switch (token.m_kind) {
    case Kind::GroupStart:
        FlushText();
        OpenGroup();
        return;
    case Kind::GroupEnd:
        FlushText();
        CloseGroup();
        return;
    case Kind::ControlWord:
        FlushText();
        if (m_bGroupStart && StartDestination(token)) return;
        m_bGroupStart = false;
        OnControlWord(token);
        return;
    case Kind::ControlSymbol:
        if (m_bGroupStart && token.m_chSymbol == '*') {
            m_bStarred = true;
            return;
        }
        m_bGroupStart = false;
        OnSymbol(token.m_chSymbol);
        return;
    case Kind::HexByte:
        m_bGroupStart = false;
        AddByte(token.m_byHex, true);
        return;
    case Kind::Text:
        m_bGroupStart = false;
        OnText(token.m_strText);
        return;
    case Kind::End:
        return;
    }
}

// Steps over the fallback that follows \uN: each byte, escape or control word
// counts one; a brace ends the fallback early. False when the token is used up.
bool CParser::TrimFallback(CRtfToken& token) {
    using Kind = CRtfToken::Kind;
    if (token.m_kind == Kind::GroupStart || token.m_kind == Kind::GroupEnd) {
        m_nSkip = 0;
        return true;
    }
    if (token.m_kind != Kind::Text) {
        --m_nSkip;
        return false;
    }
    const std::size_t skip = std::min<std::size_t>(m_nSkip, token.m_strText.size());
    m_nSkip -= static_cast<int>(skip);
    token.m_strText.remove_prefix(skip);
    return !token.m_strText.empty();
}

void CParser::OpenGroup() {
    if (m_groups.size() >= kMaxKeptDepth)
        ++m_nOverflow;
    else
        m_groups.push_back(m_groups.back());
    m_bGroupStart = true;
    m_bStarred = false;
}

void CParser::CloseGroup() {
    m_bGroupStart = false;
    if (m_nOverflow == 0 && m_groups.size() <= 2) {
        // The document's own group ends here. A brace with more text after it
        // is one too many, and the text after it is still the note's.
        if (m_tokens.OnlyWhitespaceLeft()) m_bDone = true;
        return;
    }
    LeaveGroup();
}

// Ends a group; an entry of the font or colour table still open is complete.
void CParser::LeaveGroup() {
    const Dest left = m_nOverflow > 0 ? Dest::Body : Current().dest;
    PopGroup();
    if (left == Dest::FontTable)
        CommitFont(); // an entry without its closing semicolon
    else if (left == Dest::ColorTable && Current().dest != Dest::ColorTable && HasPendingColor())
        CommitColor();
}

void CParser::PopGroup() {
    if (m_nOverflow > 0)
        --m_nOverflow;
    else
        m_groups.pop_back();
}

// At the start of a group: the font and colour tables switch where text goes;
// optional ("\*") and known unwanted destinations are skipped whole.
bool CParser::StartDestination(const CRtfToken& token) {
    const bool starred = m_bStarred;
    m_bGroupStart = false;
    m_bStarred = false;
    if (m_groups.size() <= 2 && m_nOverflow == 0)
        return false; // never skip the document's own group
    if (token.IsWord("fonttbl")) {
        Current().dest = Dest::FontTable;
        return true;
    }
    if (token.IsWord("colortbl")) {
        Current().dest = Dest::ColorTable;
        m_colors.clear();
        return true;
    }
    if (!starred && !Contains(kIgnoredDestinations, token.m_strText)) return false;
    m_tokens.SkipGroup();
    m_nSkip = 0;
    PopGroup(); // a skipped group inside a font entry leaves the entry open
    return true;
}

void CParser::OnControlWord(const CRtfToken& token) {
    const std::string_view word = token.m_strText;
    if (word == "u") {
        OnUnicode(token.m_nParam);
        return;
    }
    if (word == "uc") {
        Current().nUnicodeSkip = std::max(token.m_nParam, 0);
        return;
    }
    switch (Current().dest) {
    case Dest::FontTable:
        if (word == "f") {
            CommitFont();
            m_nFontEntry = token.m_nParam;
        }
        return;
    case Dest::ColorTable:
        OnColorWord(word, token.m_nParam);
        return;
    case Dest::Body:
        OnBodyWord(word, token.m_nParam, token.m_bHasParam);
        return;
    }
}

void CParser::OnBodyWord(std::string_view w, int param, bool hasParam) {
    CGroupState& s = Current();
    const bool on = !hasParam || param != 0;
    if (IsParagraphEnd(w))
        EndParagraph();
    else if (w == "line")
        EmitText("\n");
    else if (IsCellEnd(w))
        EmitText("\t");
    else if (w == "b")
        s.bBold = on;
    else if (w == "i")
        s.bItalic = on;
    else if (Contains(kUnderlineWords, w))
        s.bUnderline = on;
    else if (w == "ulnone")
        s.bUnderline = false;
    else if (w == "strike" || w == "striked")
        s.bStrike = on;
    else if (w == "v")
        s.bHidden = on;
    else if (w == "plain")
        s.ResetCharFormat();
    else if (w == "f")
        s.nFont = hasParam ? param : -1;
    else if (w == "fs")
        s.nHalfPoints = !hasParam ? 24 : std::clamp(param, 0, kMaxHalfPoints);
    else if (w == "cf")
        s.nColor = hasParam ? param : -1;
    else if (w == "ansicpg")
        m_codePage.SetCodePage(param);
    else if (w == "urtf")
        m_codePage.SetCodePage(CRtfCodePage::kUtf8);
    else if (w == "deff")
        m_nDefaultFont = param;
    else
        for (const CSymbolWord& symbol : kSymbolWords)
            if (symbol.word == w) EmitCodePoint(symbol.cp);
}

void CParser::OnColorWord(std::string_view word, int param) {
    const int value = std::clamp(param, 0, 255);
    if (word == "red")
        m_rgb[0] = value;
    else if (word == "green")
        m_rgb[1] = value;
    else if (word == "blue")
        m_rgb[2] = value;
}

void CParser::OnSymbol(char symbol) {
    switch (symbol) {
    case '\\':
    case '{':
    case '}':
        FlushBytes();
        EmitText(std::string_view(&symbol, 1));
        break;
    case '~':
        EmitCodePoint(0x00A0);
        break;
    case '_':
        EmitCodePoint(0x2011);
        break;
    default: // optional hyphen, index marks, broken escapes: nothing to show
        break;
    }
}

void CParser::OnText(std::string_view text) {
    if (Current().dest == Dest::ColorTable) {
        for (char c : text)
            if (c == ';') CommitColor();
        return;
    }
    const bool fontTable = Current().dest == Dest::FontTable;
    std::size_t i = 0;
    while (i < text.size()) {
        const auto c = static_cast<unsigned char>(text[i]);
        if (c >= 0x80) {
            AddByte(c, false);
            ++i;
            continue;
        }
        FlushBytes();
        if (fontTable && c == ';') {
            CommitFont();
            ++i;
            continue;
        }
        std::size_t end = i;
        while (end < text.size() && static_cast<unsigned char>(text[end]) < 0x80 &&
               !(fontTable && text[end] == ';'))
            ++end;
        EmitAscii(text.substr(i, end - i));
        i = end;
    }
}

void CParser::OnUnicode(int param) {
    const auto unit = static_cast<char16_t>(static_cast<unsigned>(param) & 0xFFFF);
    m_nSkip = Current().nUnicodeSkip;
    if (unit >= 0xD800 && unit <= 0xDBFF) {
        if (m_chHighSurrogate != 0) EmitCodePoint(kReplacement);
        m_chHighSurrogate = unit;
        return;
    }
    if (unit >= 0xDC00 && unit <= 0xDFFF) {
        if (m_chHighSurrogate == 0) {
            EmitCodePoint(kReplacement);
            return;
        }
        const char32_t cp = 0x10000 + ((m_chHighSurrogate - 0xD800) << 10) + (unit - 0xDC00);
        m_chHighSurrogate = 0;
        EmitCodePoint(cp);
        return;
    }
    EmitCodePoint(unit);
}

void CParser::AddByte(unsigned char byte, bool escaped) {
    if (!m_strBytes.empty() && m_bBytesEscaped != escaped) FlushBytes();
    m_bBytesEscaped = escaped;
    m_strBytes += static_cast<char>(byte);
}

void CParser::FlushBytes() {
    if (m_strBytes.empty()) return;
    const std::string text =
        m_bBytesEscaped ? m_codePage.DecodeEscaped(m_strBytes) : m_codePage.DecodeRaw(m_strBytes);
    m_strBytes.clear();
    EmitText(text);
}

void CParser::FlushText() {
    FlushBytes();
    if (m_strText.empty()) return;
    m_paragraph.Append(m_strText, CurrentFormat());
    m_strText.clear();
}

// Control characters other than the tab have no place in a note's text.
void CParser::EmitAscii(std::string_view text) {
    std::string kept;
    kept.reserve(text.size());
    for (char c : text)
        if (c == '\t' || static_cast<unsigned char>(c) >= 0x20) kept += c;
    EmitText(kept);
}

void CParser::EmitCodePoint(char32_t cp) {
    if (cp < 0x20 && cp != '\t') return;
    std::string utf8;
    textcodec::AppendUtf8(utf8, cp);
    EmitText(utf8);
}

void CParser::EmitText(std::string_view utf8) {
    if (utf8.empty()) return;
    if (m_chHighSurrogate != 0) { // a high surrogate without its partner
        m_chHighSurrogate = 0;
        EmitCodePoint(kReplacement);
    }
    const CGroupState& s = Current();
    if (s.dest == Dest::FontTable) {
        if (m_strFontName.size() + utf8.size() <= kMaxFontName) m_strFontName += utf8;
    } else if (s.dest == Dest::Body && !s.bHidden) {
        m_strText += utf8;
    }
}

void CParser::EndParagraph() {
    FlushText();
    m_doc.m_paragraphs.push_back(std::move(m_paragraph));
    m_paragraph = CRtfParagraph{};
}

void CParser::CommitFont() {
    FlushBytes();
    if (m_nFontEntry >= 0) {
        const std::size_t first = m_strFontName.find_first_not_of(' ');
        const std::size_t last = m_strFontName.find_last_not_of(' ');
        m_fonts[m_nFontEntry] = first == std::string::npos
                                    ? std::string()
                                    : m_strFontName.substr(first, last - first + 1);
    }
    m_nFontEntry = -1;
    m_strFontName.clear();
}

void CParser::CommitColor() {
    if (!HasPendingColor())
        m_colors.push_back(std::nullopt); // an empty entry is the automatic colour
    else
        m_colors.push_back(
            RGB(std::max(m_rgb[0], 0), std::max(m_rgb[1], 0), std::max(m_rgb[2], 0)));
    m_rgb = {-1, -1, -1};
}

CRtfCharFormat CParser::CurrentFormat() const {
    const CGroupState& s = m_groups.back();
    CRtfCharFormat format;
    format.m_bBold = s.bBold;
    format.m_bItalic = s.bItalic;
    format.m_bUnderline = s.bUnderline;
    format.m_bStrike = s.bStrike;
    format.m_nHalfPoints = s.nHalfPoints;
    const auto font = m_fonts.find(s.nFont >= 0 ? s.nFont : m_nDefaultFont);
    if (font != m_fonts.end()) format.m_strFace = font->second;
    if (s.nColor >= 0 && static_cast<std::size_t>(s.nColor) < m_colors.size())
        format.m_crColor = m_colors[s.nColor];
    return format;
}

} // namespace

bool CRtfReader::IsRichText(std::string_view text) {
    return text.starts_with("{\\rtf") || text.starts_with("{\\urtf");
}

CRtfDocument CRtfReader::Read(std::string_view text) {
    if (!IsRichText(text)) return CRtfDocument::FromPlainText(text);
    return CParser(text).Run();
}
