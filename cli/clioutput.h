// COutput: what a command prints - aligned text for people, or one JSON document for scripts - and the
// error lines on standard error.
#pragma once

#include <QJsonObject>
#include <QString>

#include <string>
#include <string_view>
#include <utility>
#include <vector>

using TFieldList = std::vector<std::pair<std::string, std::string>>;
using TTableRow = std::vector<std::string>;

class COutput {
public:
    explicit COutput(bool json) : m_json(json) {}
    bool Json() const { return m_json; }

    // Human output only (nothing in JSON mode).
    void Line(const std::string& text) const;
    // "Label   value" lines with the values in one column.
    void Fields(const TFieldList& fields) const;
    // A header row and rows, columns padded to their widest cell.
    void Table(const TTableRow& header, const std::vector<TTableRow>& rows) const;
    // JSON mode only: the one document.
    void Document(const QJsonObject& document) const;

    // A line on standard error (both modes).
    static void Error(const std::string& text);

private:
    bool m_json;
};

// Device text made safe for a terminal: control characters become '?'.
std::string Printable(std::string_view text);
// Device text (8-bit, usually UTF-8) for a JSON string.
QString JsonText(std::string_view text);
