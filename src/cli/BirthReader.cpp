#include "cli/BirthReader.h"

#include <csv.h>
#include <rapidjson/error/en.h>
#include <rapidjson/memorystream.h>
#include <rapidjson/reader.h>

#include <array>
#include <deque>
#include <utility>
#include <vector>

#include "cli/LineSource.h"

namespace amsaview {
namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

std::string NotUtf8(long line) {
    return "line " + std::to_string(line) + " is not UTF-8";
}

std::string_view WithoutByteOrderMark(std::string_view line, long lineNumber) {
    if (lineNumber == 1 && line.starts_with(kByteOrderMark)) {
        line.remove_prefix(kByteOrderMark.size());
    }
    return line;
}

// RFC 4180 through libcsv, fed one physical line at a time so that each
// record knows the line it starts on.
class CsvReader final : public BirthReader {
  public:
    explicit CsvReader(std::FILE* file) : lines_(file) {
        csv_init(&parser_, CSV_STRICT | CSV_STRICT_FINI);
        ReadHeader();
    }
    ~CsvReader() override { csv_free(&parser_); }
    CsvReader(const CsvReader&) = delete;
    CsvReader& operator=(const CsvReader&) = delete;

    bool Next(BatchRow& row) override {
        if (!inputError_.empty() || !NextRecord()) {
            return false;
        }
        Record& record = records_.front();
        row.line = record.line;
        row.fields = {};
        row.error.clear();
        if (record.fields.size() != columns_.size()) {
            row.error = "the row has " + std::to_string(record.fields.size()) +
                        " fields, the header " + std::to_string(columns_.size());
        } else {
            for (std::size_t i = 0; i < columns_.size(); ++i) {
                // An empty cell leaves the field out, as an option not given.
                if (!record.fields[i].empty()) {
                    row.fields[columns_[i]] = std::move(record.fields[i]);
                }
            }
        }
        records_.pop_front();
        return true;
    }

    long long bytesRead() const override { return lines_.bytesRead(); }

  private:
    struct Record {
        long line = 0;
        std::vector<std::string> fields;
    };

    static void OnField(void* data, std::size_t size, void* self) {
        auto* reader = static_cast<CsvReader*>(self);
        reader->fields_.emplace_back(static_cast<const char*>(data), size);
    }

    static void OnRecordEnd(int, void* self) {
        auto* reader = static_cast<CsvReader*>(self);
        reader->records_.push_back({reader->recordStart_, std::move(reader->fields_)});
        reader->fields_.clear();
        reader->recordStart_ = 0;
        reader->recordBytes_ = 0;
    }

    // Feeds lines until a whole record is parsed.
    bool NextRecord() {
        std::string_view line;
        while (records_.empty()) {
            if (!lines_.Next(line)) {
                if (!lines_.failure().empty()) {
                    inputError_ = lines_.failure();
                } else if (csv_fini(&parser_, OnField, OnRecordEnd, this) != 0) {
                    inputError_ = "the quoted field that starts on line " +
                                  std::to_string(recordStart_) + " is not closed";
                }
                return inputError_.empty() && !records_.empty();
            }
            line = WithoutByteOrderMark(line, lines_.lineNumber());
            if (!IsUtf8(line)) {
                inputError_ = NotUtf8(lines_.lineNumber());
                return false;
            }
            if (recordStart_ == 0 && line.find_first_not_of("\r\n") != std::string_view::npos) {
                recordStart_ = lines_.lineNumber();
            }
            if (csv_parse(&parser_, line.data(), line.size(), OnField, OnRecordEnd, this) !=
                line.size()) {
                inputError_ = "line " + std::to_string(lines_.lineNumber()) +
                              " is not CSV: a quote inside a field that is not quoted, or "
                              "text after a closing quote";
                return false;
            }
            // A quote left open would otherwise take in the rest of the file.
            if (recordStart_ != 0 && (recordBytes_ += line.size()) > LineSource::kLongestLine) {
                inputError_ = "the record that starts on line " + std::to_string(recordStart_) +
                              " is longer than " + std::to_string(LineSource::kLongestLine) +
                              " bytes";
                return false;
            }
        }
        return true;
    }

    void ReadHeader() {
        if (!NextRecord()) {
            if (inputError_.empty()) {
                inputError_ = "the input is empty: a header row naming the columns is needed";
            }
            return;
        }
        std::array<bool, kBirthFieldNames.size()> seen{};
        for (const std::string& name : records_.front().fields) {
            const auto field = BirthFieldNamed(name);
            if (!field) {
                inputError_ = "unknown column \"" + name + "\" in the header";
                return;
            }
            if (seen[static_cast<std::size_t>(*field)]) {
                inputError_ = "the column \"" + name + "\" appears twice in the header";
                return;
            }
            seen[static_cast<std::size_t>(*field)] = true;
            columns_.push_back(*field);
        }
        if (const auto missing = FirstMissingField(seen)) {
            inputError_ = "the header has no column \"" +
                          std::string(kBirthFieldNames[static_cast<std::size_t>(*missing)]) + "\"";
            return;
        }
        records_.pop_front();
    }

    LineSource lines_;
    csv_parser parser_{};
    std::vector<BirthField> columns_;
    std::vector<std::string> fields_;
    std::deque<Record> records_;
    long recordStart_ = 0;
    std::size_t recordBytes_ = 0;  // of the lines an unfinished record spans
};

// rapidjson's SAX events of one line, taken as one flat object of fields.
class RowHandler : public rapidjson::BaseReaderHandler<rapidjson::UTF8<>, RowHandler> {
  public:
    explicit RowHandler(BatchRow& row) : row_(row) {}

    bool StartObject() { return ++depth_ == 1 || Refuse(); }
    bool EndObject(rapidjson::SizeType) { return --depth_ == 0; }
    bool Key(const char* text, rapidjson::SizeType length, bool) {
        const std::string_view name(text, length);
        field_ = BirthFieldNamed(name);
        if (!field_) {
            row_.error = "unknown key \"" + std::string(name) + "\"";
            return false;
        }
        // As a CSV header may not repeat a column: which of the two was meant?
        if (std::exchange(seen_[static_cast<std::size_t>(*field_)], true)) {
            row_.error = "the key \"" + std::string(name) + "\" appears twice";
            return false;
        }
        return true;
    }
    bool String(const char* text, rapidjson::SizeType length, bool) {
        return Value(std::string(text, length));
    }
    // A whole number counts as the text it is written as, as in a CSV cell, so
    // that "-0" or "007" mean the same in both.
    bool RawNumber(const char* text, rapidjson::SizeType length, bool) {
        const std::string_view number(text, length);
        if (number.find_first_of(".eE") != std::string_view::npos) {
            return Refuse();
        }
        return Value(std::string(number));
    }
    bool Bool(bool value) { return Value(value ? "true" : "false"); }
    bool Null() { return depth_ == 1 || Refuse(); }  // as if the key were left out
    bool Default() { return Refuse(); }

  private:
    bool Value(std::string text) {
        if (depth_ != 1) {
            return Refuse();
        }
        row_.fields[*field_] = std::move(text);
        return true;
    }

    bool Refuse() {
        row_.error = depth_ == 0 || (depth_ == 1 && !field_)
                         ? "the line is not one JSON object"
                         : "the value of \"" +
                               std::string(kBirthFieldNames[static_cast<std::size_t>(*field_)]) +
                               "\" must be text, a whole number, true, false or null";
        return false;
    }

    BatchRow& row_;
    int depth_ = 0;
    std::optional<BirthField> field_;
    std::array<bool, kBirthFieldNames.size()> seen_{};
};

class JsonLinesReader final : public BirthReader {
  public:
    explicit JsonLinesReader(std::FILE* file) : lines_(file) {}

    bool Next(BatchRow& row) override {
        if (!inputError_.empty()) {
            return false;  // the rows after a line that cannot be read are not charted
        }
        std::string_view line;
        do {
            if (!lines_.Next(line)) {
                inputError_ = lines_.failure();
                return false;
            }
            line = WithoutByteOrderMark(line, lines_.lineNumber());
        } while (line.find_first_not_of(" \t\r\n") == std::string_view::npos);
        if (!IsUtf8(line)) {
            inputError_ = NotUtf8(lines_.lineNumber());
            return false;
        }
        row.line = lines_.lineNumber();
        row.fields = {};
        row.error.clear();
        RowHandler handler(row);
        rapidjson::MemoryStream stream(line.data(), line.size());
        rapidjson::Reader reader;
        const rapidjson::ParseResult parsed =
            reader.Parse<rapidjson::kParseNumbersAsStringsFlag>(stream, handler);
        if (!parsed && row.error.empty()) {
            row.error = std::string("the line is not JSON: ") +
                        rapidjson::GetParseError_En(parsed.Code()) + " (column " +
                        std::to_string(parsed.Offset() + 1) + ")";
        }
        if (!row.error.empty()) {
            row.fields = {};
        }
        return true;
    }

    long long bytesRead() const override { return lines_.bytesRead(); }

  private:
    LineSource lines_;
};

}  // namespace

std::unique_ptr<BirthReader> OpenBirthReader(std::FILE* file, BatchFormat format) {
    if (format == BatchFormat::JsonLines) {
        return std::make_unique<JsonLinesReader>(file);
    }
    return std::make_unique<CsvReader>(file);
}

}  // namespace amsaview
