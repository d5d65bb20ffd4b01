// A small reader of rich-text (RTF) documents into a QTextDocument, for the licence text; no Widgets.
#pragma once

#include <QByteArray>
#include <QString>

class QTextDocument;

// True when the data opens like a rich-text document: "{\rtf" after optional blanks.
bool IsRtfData(const QByteArray& data);

// Appends the text of the rich-text data to the document with paragraphs, alignment, bold, italic,
// underline, font size and colour. Code pages come from \ansicpg and the font table's charsets; \uN
// escapes honour \ucN. Picture, font, style and other non-text groups are passed over. Malformed input
// (unbalanced braces, truncated escapes, unknown words, absurd numbers) never fails: it reads as far
// as it makes sense.
void ReadRtf(const QByteArray& data, QTextDocument& document);

// The text codec name of a Windows code page (950 gives "windows-950", the Big5 variant); empty when
// no decoder exists for it.
QString CodePageName(int codePage);
