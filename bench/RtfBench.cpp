// Speed of the rich text reader and writer: a typical note, a large text, and
// the hostile shapes the reader must get through (deep nesting, a long binary
// claim, long skipped pictures).
#include "views/RtfReader.h"
#include "views/RtfWriter.h"

#include <benchmark/benchmark.h>

namespace {

std::string Repeat(std::string_view piece, std::size_t times) {
    std::string out;
    out.reserve(piece.size() * times);
    for (std::size_t i = 0; i < times; ++i)
        out += piece;
    return out;
}

// A paragraph with every format and some text beyond Windows-1252.
CRtfParagraph SampleParagraph() {
    CRtfParagraph paragraph;
    CRtfCharFormat bold;
    bold.m_bBold = true;
    CRtfCharFormat face;
    face.m_strFace = "DejaVu Serif";
    face.m_nHalfPoints = 24;
    face.m_crColor = 0x0000FF;
    paragraph.Append("Dentist at ten, bring the ", {});
    paragraph.Append("insurance card", bold);
    paragraph.Append(" and 45 \u20AC; caf\u00E9 \u65E5\u672C afterwards.\n", face);
    return paragraph;
}

CRtfDocument SampleDocument(int paragraphs) {
    CRtfDocument doc;
    for (int i = 0; i < paragraphs; ++i)
        doc.m_paragraphs.push_back(SampleParagraph());
    return doc;
}

void SetBytes(benchmark::State& state, std::size_t bytes) {
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * bytes));
}

void BM_ReadNote(benchmark::State& state) {
    const std::string rtf = CRtfWriter::Write(SampleDocument(10));
    for (auto _ : state)
        benchmark::DoNotOptimize(CRtfReader::Read(rtf));
    SetBytes(state, rtf.size());
}
BENCHMARK(BM_ReadNote);

void BM_WriteNote(benchmark::State& state) {
    const CRtfDocument doc = SampleDocument(10);
    for (auto _ : state)
        benchmark::DoNotOptimize(CRtfWriter::Write(doc));
}
BENCHMARK(BM_WriteNote);

void BM_ReadLarge(benchmark::State& state) {
    const std::string rtf = CRtfWriter::Write(SampleDocument(10000)); // about 1 MB
    for (auto _ : state)
        benchmark::DoNotOptimize(CRtfReader::Read(rtf));
    SetBytes(state, rtf.size());
}
BENCHMARK(BM_ReadLarge)->Unit(benchmark::kMillisecond);

void BM_WriteLarge(benchmark::State& state) {
    const CRtfDocument doc = SampleDocument(10000);
    for (auto _ : state)
        benchmark::DoNotOptimize(CRtfWriter::Write(doc));
}
BENCHMARK(BM_WriteLarge)->Unit(benchmark::kMillisecond);

void BM_ReadNestedGroups(benchmark::State& state) {
    const auto depth = static_cast<std::size_t>(state.range(0));
    const std::string rtf = "{\\rtf1 " + Repeat("{\\b ", depth) + "x" + Repeat("}", depth) + "}";
    for (auto _ : state)
        benchmark::DoNotOptimize(CRtfReader::Read(rtf));
    SetBytes(state, rtf.size());
}
BENCHMARK(BM_ReadNestedGroups)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond);

void BM_ReadSkippedPicture(benchmark::State& state) {
    const std::string rtf =
        "{\\rtf1 a{\\pict\\pngblip " + Repeat("89504e470d0a1a0a", 131072) + "}b}";
    for (auto _ : state)
        benchmark::DoNotOptimize(CRtfReader::Read(rtf));
    SetBytes(state, rtf.size());
}
BENCHMARK(BM_ReadSkippedPicture)->Unit(benchmark::kMillisecond);

void BM_ReadBinaryClaim(benchmark::State& state) {
    const std::string rtf = "{\\rtf1 before\\bin2000000000 " + Repeat("x", 1 << 20) + "}";
    for (auto _ : state)
        benchmark::DoNotOptimize(CRtfReader::Read(rtf));
}
BENCHMARK(BM_ReadBinaryClaim)->Unit(benchmark::kMicrosecond);

} // namespace
