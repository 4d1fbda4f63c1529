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
