#include "csv_records.h"

#include <istream>

namespace tubeline {
namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

}  // namespace

bool CsvRecordReader::ReadRecord(std::vector<std::string>& fields) {
    fields.assign(1, std::string());
    bool quoted = false;
    bool any = false;
    for (int c = in_.get(); c != std::char_traits<char>::eof(); c = in_.get()) {
        any = true;
        std::string& field = fields.back();
        if (quoted) {
            if (c != '"') {
                field += static_cast<char>(c);
            } else if (in_.peek() == '"') {
                field += static_cast<char>(in_.get());
            } else {
                quoted = false;
            }
        } else if (c == '"' && field.empty()) {
            quoted = true;
        } else if (c == ',') {
            fields.emplace_back();
        } else if (c == '\n') {
            break;
        } else if (c == '\r' && in_.peek() == '\n') {
            continue;
        } else {
            field += static_cast<char>(c);
        }
    }
    return any;
}

bool CsvRecordReader::Next(std::vector<std::string>& fields) {
    while (ReadRecord(fields)) {
        if (first_) {
            first_ = false;
            if (fields.front().starts_with(kByteOrderMark)) {
                fields.front().erase(0, kByteOrderMark.size());
            }
        }
        if (fields.size() > 1 || !fields.front().empty()) {
            return true;
        }
    }
    return false;
}

std::size_t CountCsvRecords(std::istream& in) {
    CsvRecordReader reader(in);
    std::size_t count = 0;
    for (std::vector<std::string> fields; reader.Next(fields);) {
        ++count;
    }
    return count;
}

std::string CsvField(std::string_view text) {
    if (text.find_first_of(",\"\r\n") == std::string_view::npos) {
        return std::string(text);
    }
    std::string field = "\"";
    for (const char c : text) {
        field += c;
        if (c == '"') {
            field += '"';
        }
    }
    return field + '"';
}

}  // namespace tubeline
