// Loading the whole bank and writing one wrong flag, against mdb-export reading the same file.
#include "BankBuilder.h"
#include "QuestionSource.h"
#include "bank/BankSelect.h"
#include "bank/ConnectionString.h"
#include "bank/QuestionRecord.h"

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>

namespace {

// The sample bank when its source is complete, else 1,208 generated questions in the same proportions.
std::vector<qbank::SourceQuestion> Questions() {
    std::string source = std::string(TAXI_SOURCE_DIR) + "/data/questions";
    try {
        return qbank::QuestionSource::ReadFolder(source);
    } catch (const qbank::SourceError&) {
    }
    std::vector<qbank::SourceQuestion> out;
    const int chapters[] = {244, 330, 90, 67, 38, 103, 187, 149};
    for (int c = 0; c < 8; ++c)
        for (int i = 0; i < chapters[c]; ++i) {
            qbank::SourceQuestion q;
            q.chapter = c + 1;
            q.type = 1 + i % 3;
            q.stem = "第" + std::to_string(c + 1) + "章第" + std::to_string(i + 1) +
                     "题：出租汽车驾驶员在运营过程中遇到乘客提出不合理要求时，应当耐心解释、文明服务（ ）。";
            if (q.type != 1)
                q.options = {"坚持原则，耐心解释", "立即拒载并驶离", "按乘客要求办理", "向公司报告后再决定"};
            q.answer = q.type == 1 ? "Y" : q.type == 2 ? "B" : "ACD";
            q.score = q.type == 3 ? 2 : 1;
            out.push_back(q);
        }
    return out;
}

const std::string& BankFile() {
    static const std::string path = [] {
        std::string p = std::string(TAXI_BINARY_DIR) + "/bench/bank-bench.mdb";
        std::filesystem::create_directories(std::string(TAXI_BINARY_DIR) + "/bench");
        qbank::BankBuilder::Build(Questions(), p, true);
        return p;
    }();
    return path;
}

void OpenAndLoadAll(benchmark::State& state) {
    const std::string& file = BankFile();
    for (auto _ : state) {
        bank::BankSelect select(file, "select * from titles ", true); // writable, as the program opens it
        bank::TADOQuery& query = select.Query();
        std::vector<bank::QuestionRecord> rows;
        rows.reserve(static_cast<size_t>(query.RecordCount()));
        for (query.First(); !query.Eof(); query.Next())
            rows.push_back(bank::QuestionRecord::Read(query));
        if (rows.size() != 1208)
            state.SkipWithError("the bank does not hold 1,208 rows");
        benchmark::DoNotOptimize(rows.data());
    }
}
BENCHMARK(OpenAndLoadAll)->Unit(benchmark::kMillisecond);

void WrongFlagUpdate(benchmark::State& state) {
    const std::string& file = BankFile();
    bank::TADOConnection connection;
    connection.ConnectionString = bank::ConnectionString::ForJetFile(file);
    connection.Open();
    bank::TADOQuery query;
    query.Connection = &connection;
    query.SQL.Add("select * from titles where t_class = 5");
    query.Open();
    std::string stem = query.FieldByName("t_name").AsString();
    int flag = 0;
    for (auto _ : state) {
        query.SQL.Clear();
        query.SQL.Add("update titles set wrong=:A where t_name=:B");
        query.Parameters.ParamByName("A").Value = flag ^= 1;
        query.Parameters.ParamByName("B").Value = stem;
        if (query.ExecSQL() != 1)
            state.SkipWithError("the update did not find its row");
    }
}
BENCHMARK(WrongFlagUpdate)->Unit(benchmark::kMillisecond);

// The independent reader on the same file, for the ratio.
void MdbExportSameFile(benchmark::State& state) {
    if (std::system("command -v mdb-export >/dev/null 2>&1") != 0) {
        state.SkipWithError("mdb-export is not installed");
        return;
    }
    std::string command = "mdb-export '" + BankFile() + "' titles >/dev/null";
    for (auto _ : state)
        if (std::system(command.c_str()) != 0)
            state.SkipWithError("mdb-export failed");
}
BENCHMARK(MdbExportSameFile)->Unit(benchmark::kMillisecond);

} // namespace
