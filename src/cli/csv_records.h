#pragma once

#include <cstddef>
#include <iosfwd>
#include <string>
#include <string_view>
#include <vector>

namespace tubeline {

// Comma-separated records as RFC 4180 writes them: a field in double quotes may hold commas,
// line ends and quotes (doubled); a record ends with LF or CR LF. Read leniently: a quote
// inside an unquoted field is kept as it is, and a quoted field left open runs to the end.
class CsvRecordReader {
  public:
    explicit CsvRecordReader(std::istream& in) : in_(in) {}

    // The next record that is not an empty line; false at the end of the input. A UTF-8 byte
    // order mark before the first record is dropped.
    bool Next(std::vector<std::string>& fields);

  private:
    bool ReadRecord(std::vector<std::string>& fields);

    std::istream& in_;
    bool first_ = true;
};

// How many records (empty lines left out) the input holds.
std::size_t CountCsvRecords(std::istream& in);

// The field as a record holds it: in double quotes, its quotes doubled, when it has a comma, a
// quote or a line end.
std::string CsvField(std::string_view text);

}  // namespace tubeline
