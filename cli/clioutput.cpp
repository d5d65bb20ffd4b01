#include "cli/clioutput.h"

#include <QJsonDocument>

#include <algorithm>
#include <cstdio>

namespace {

// Width on a terminal: UTF-8 continuation bytes take no column.
std::size_t Columns(const std::string& text) {
    return static_cast<std::size_t>(std::count_if(
        text.begin(), text.end(), [](char c) { return (static_cast<unsigned char>(c) & 0xC0) != 0x80; }));
}

std::string Padded(const std::string& text, std::size_t width) {
    const std::size_t columns = Columns(text);
    return columns >= width ? text : text + std::string(width - columns, ' ');
}

} // namespace

void COutput::Line(const std::string& text) const {
    if (m_json) return;
    std::fprintf(stdout, "%s\n", text.c_str());
    std::fflush(stdout);
}

void COutput::Fields(const TFieldList& fields) const {
    std::size_t width = 0;
    for (const auto& f : fields)
        width = std::max(width, Columns(f.first));
    for (const auto& f : fields)
        Line(Padded(f.first, width + 2) + f.second);
}

void COutput::Table(const TTableRow& header, const std::vector<TTableRow>& rows) const {
    std::vector<std::size_t> widths(header.size(), 0);
    auto measure = [&](const TTableRow& row) {
        for (std::size_t c = 0; c < row.size() && c < widths.size(); ++c)
            widths[c] = std::max(widths[c], Columns(row[c]));
    };
    measure(header);
    for (const auto& row : rows)
        measure(row);
    auto print = [&](const TTableRow& row) {
        std::string line;
        for (std::size_t c = 0; c < row.size() && c < widths.size(); ++c)
            line += c + 1 < row.size() ? Padded(row[c], widths[c] + 2) : row[c];
        Line(line);
    };
    print(header);
    for (const auto& row : rows)
        print(row);
}

void COutput::Document(const QJsonObject& document) const {
    if (!m_json) return;
    const QByteArray text = QJsonDocument(document).toJson(QJsonDocument::Indented);
    std::fwrite(text.constData(), 1, static_cast<std::size_t>(text.size()), stdout);
    std::fflush(stdout);
}

void COutput::Error(const std::string& text) {
    std::fprintf(stderr, "%s\n", text.c_str());
    std::fflush(stderr);
}

std::string Printable(std::string_view text) {
    std::string out(text);
    for (char& c : out) {
        const auto u = static_cast<unsigned char>(c);
        if (u < 0x20 || u == 0x7F) c = '?';
    }
    return out;
}

QString JsonText(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}
