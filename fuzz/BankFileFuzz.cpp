// One input is a bank file: it is opened read-only the way the program opens db1.mdb, every user table is
// read whole, and the program's select runs over "titles" with each row decoded as the practice window
// decodes it. Any failure must be an exception; nothing may crash, hang or read out of bounds.
#include "bank/BankSelect.h"
#include "bank/OptionList.h"
#include "bank/QuestionRecord.h"
#include "bank/jet/JetDatabase.h"

#include <cstdint>
#include <cstdio>
#include <exception>
#include <string>
#include <unistd.h>

namespace {

std::string TempPath() {
    static const std::string path =
        (access("/dev/shm", W_OK) == 0 ? "/dev/shm/fuzz-bank-" : "/tmp/fuzz-bank-") +
        std::to_string(getpid()) + ".mdb";
    return path;
}

bool WriteInput(const std::uint8_t* data, std::size_t size) {
    std::FILE* f = std::fopen(TempPath().c_str(), "wb");
    if (!f)
        return false;
    const bool ok = std::fwrite(data, 1, size, f) == size;
    return std::fclose(f) == 0 && ok;
}

void ReadTables() {
    bank::jet::JetDatabase db(TempPath(), bank::jet::JetFile::Mode::ReadOnly);
    int tables = 0;
    for (const std::string& name : db.TableNames()) {
        if (++tables > 4)
            break;
        try {
            (void)db.ReadAll(db.Table(name));
        } catch (const std::exception&) {
        }
    }
}

void RunTheProgramsSelect() {
    bank::BankSelect select(TempPath(), "select * from titles ");
    bank::TADOQuery& query = select.Query();
    const int count = query.RecordCount();
    query.First();
    for (int row = 0; !query.Eof() && row <= count; ++row) {
        const bank::QuestionRecord record = bank::QuestionRecord::Read(query);
        (void)bank::OptionList::Split(record.answers);
        query.Next();
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (!WriteInput(data, size))
        return 0;
    try {
        ReadTables();
    } catch (const std::exception&) {
    }
    try {
        RunTheProgramsSelect();
    } catch (const std::exception&) {
    }
    return 0;
}
