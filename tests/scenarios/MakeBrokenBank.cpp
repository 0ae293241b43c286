// make_broken_bank SOURCE DB: builds DB from the question source folder SOURCE with its t_score column stored
// as text, which the program reads as a number, and the fifth question's score written "一分". Loading any
// exercise that reaches that row fails part of the way through, as a bank damaged by another program would.
#include "BankBuilder.h"
#include "QuestionSource.h"

#include <cstdio>
#include <exception>

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: make_broken_bank SOURCE DB\n");
        return 2;
    }
    try {
        bank::jet::TableSpec table = qbank::BankBuilder::Table(qbank::QuestionSource::ReadFolder(argv[1]));
        std::size_t score = 0;
        while (table.columns[score].name != "t_score")
            ++score;
        table.columns[score].type = bank::jet::ColumnType::Text;
        table.columns[score].textChars = 10;
        for (auto& row : table.rows)
            row[score] = bank::jet::Value::Str(std::to_string(row[score].integer));
        table.rows.at(4)[score] = bank::jet::Value::Str("一分");
        bank::jet::JetWriter::Options options;
        options.overwrite = true;
        bank::jet::JetWriter::Create(argv[2], table, options);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "make_broken_bank: %s\n", e.what());
        return 1;
    }
    return 0;
}
