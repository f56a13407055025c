// Any bytes as a batch file, CSV or JSON Lines as the first byte says: rows
// come in growing line order, each one charts or says what is wrong, and a
// reader that stopped stays stopped.
#include <cstdio>
#include <string>
#include <variant>

#include "FuzzInput.h"
#include "cli/BirthReader.h"
#include "cli/ParseBirth.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace amsaview;
    using fuzz::Require;
    fuzz::FuzzInput input(data, size);
    const BatchFormat format = input.Flag() ? BatchFormat::JsonLines : BatchFormat::Csv;
    std::string text = input.Rest();
    std::FILE* file = fmemopen(text.data(), text.size(), "rb");
    if (file == nullptr) {
        return 0;  // no stream of zero bytes on this C library
    }
    const auto reader = OpenBirthReader(file, format);
    BatchRow row;
    long lastLine = 0;
    while (reader->inputError().empty() && reader->Next(row)) {
        Require(row.line > lastLine);
        lastLine = row.line;
        if (row.error.empty()) {
            const auto form = ParseBirth(row.fields);
            if (const auto* error = std::get_if<std::string>(&form)) {
                Require(!error->empty());
            }
        }
    }
    Require(!reader->Next(row));
    std::fclose(file);
    return 0;
}
