#pragma once

#include <QProcess>
#include <QString>
#include <QStringList>

// The text of a PDF file as pdftotext (poppler-utils) reads it, pages separated by form feeds.
// Blanks follow the layout, so compare texts without them (NoBlanks).
inline QString PdfText(const QString& path)
{
    QProcess process;
    process.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), QStringLiteral("-enc"),
                                                QStringLiteral("UTF-8"), path, QStringLiteral("-")});
    if (!process.waitForFinished(30000))
        return QString();
    return QString::fromUtf8(process.readAllStandardOutput());
}

// A text without its blanks.
inline QString NoBlanks(QString text)
{
    return text.remove(QLatin1Char(' '));
}

// The pages of a PDF file's text.
inline QStringList PdfPages(const QString& path)
{
    QStringList pages = PdfText(path).split(QLatin1Char('\f'));
    if (!pages.isEmpty() && pages.last().trimmed().isEmpty())
        pages.removeLast();
    return pages;
}

// The fonts a PDF file embeds, as pdffonts (poppler-utils) names them, without a subset's prefix.
inline QStringList PdfFonts(const QString& path)
{
    QProcess process;
    process.start(QStringLiteral("pdffonts"), {path});
    if (!process.waitForFinished(30000))
        return {};
    QStringList names;
    // Two header lines, then one font a line, its name first.
    const QStringList lines = QString::fromUtf8(process.readAllStandardOutput()).split(QLatin1Char('\n'));
    for (qsizetype i = 2; i < lines.size(); ++i) {
        const QString name = lines.at(i).section(QLatin1Char(' '), 0, 0, QString::SectionSkipEmpty);
        if (!name.isEmpty())
            names << name.section(QLatin1Char('+'), -1);
    }
    names.sort();
    return names;
}
