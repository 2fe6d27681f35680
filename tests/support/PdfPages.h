#pragma once
// What a printed PDF file holds, read back with poppler's pdfinfo, pdftotext
// and pdftoppm (package poppler-utils): its facts, the first page's text and
// its picture.

#include <QImage>
#include <QProcess>
#include <QStandardPaths>
#include <QString>
#include <QTemporaryDir>

#include <string>

inline bool PdfToolsPresent() {
    for (const char* tool : {"pdfinfo", "pdftotext", "pdftoppm"}) {
        if (QStandardPaths::findExecutable(tool).isEmpty()) return false;
    }
    return true;
}

// One line of pdfinfo ("Title", "Pages"), without its name; empty when missing.
inline std::string PdfInfo(const QString& pdf, const QString& field) {
    QProcess tool;
    tool.start("pdfinfo", {pdf});
    if (!tool.waitForFinished(60000) || tool.exitCode() != 0) return {};
    for (const QString& line : QString::fromUtf8(tool.readAllStandardOutput()).split('\n')) {
        if (line.startsWith(field + ':')) return line.mid(field.size() + 1).trimmed().toStdString();
    }
    return {};
}

// The text of the first page in reading order; empty when it cannot be read.
inline std::string PdfText(const QString& pdf) {
    QProcess tool;
    tool.start("pdftotext", {"-f", "1", "-l", "1", "-layout", pdf, "-"});
    if (!tool.waitForFinished(60000) || tool.exitCode() != 0) return {};
    return tool.readAllStandardOutput().toStdString();
}

// The first page at dpi dots per inch; null when it cannot be made.
inline QImage PdfPageImage(const QString& pdf, int dpi) {
    QTemporaryDir dir;
    const QString stem = dir.filePath("page");
    QProcess tool;
    tool.start("pdftoppm", {"-f", "1", "-l", "1", "-singlefile", "-png", "-r", QString::number(dpi),
                            pdf, stem});
    if (!tool.waitForFinished(60000) || tool.exitCode() != 0) return {};
    return QImage(stem + ".png");
}
