#include "BankExporter.h"

#include "QuestionSource.h"
#include "bank/BankSelect.h"
#include "bank/OptionList.h"
#include "bank/QuestionRecord.h"
#include "bank/RightAnswer.h"
#include "platform/os/AtomicFile.h"

#include <filesystem>

namespace qbank {

namespace fs = std::filesystem;

namespace {

std::string Trimmed(const std::string& s) {
    const size_t a = s.find_first_not_of(" \t");
    return a == std::string::npos ? "" : s.substr(a, s.find_last_not_of(" \t") - a + 1);
}

void CheckLine(const std::string& where, const char* what, const std::string& text) {
    if (text.find_first_of("\r\n") != std::string::npos)
        throw SourceError(where + ": the " + what +
                          " spans several lines, which the source format cannot hold");
}

// Four non-empty single-line entries joined by single "|"s: the A-D lines give this text back.
bool FitsFourLines(const std::string& answers) {
    const auto options = bank::OptionList::Split(answers);
    if (options.size() != 4)
        return false;
    std::string joined;
    for (const auto& o : options) {
        if (o.empty() || o.find_first_of("\r\n") != std::string::npos || o != Trimmed(o))
            return false;
        joined += (joined.empty() ? "" : "|") + o;
    }
    return joined == answers;
}

} // namespace

int BankExporter::Export(const std::string& path, const std::string& folder, bool overwrite) {
    bank::BankSelect select(path, "select * from titles");
    bank::TADOQuery& q = select.Query();
    std::vector<std::vector<SourceQuestion>> chapters(9);
    int row = 0;
    for (q.First(); !q.Eof(); q.Next()) {
        ++row;
        bank::QuestionRecord r = bank::QuestionRecord::Read(q);
        std::string where = path + ": row " + std::to_string(row) + " (_id " + std::to_string(r.id) + ")";
        if (r.chapter < 1 || r.chapter > 8)
            throw SourceError(where + ": chapter " + std::to_string(r.chapter) + " is not 1 to 8");
        if (r.type < 1 || r.type > 3)
            throw SourceError(where + ": kind " + std::to_string(r.type) + " is not 1, 2 or 3");
        if (!bank::RightAnswer::IsValidForm(r.type, r.rightAnswer))
            throw SourceError(where + ": the right answer does not decode with this build's key "
                                      "(\"qbank adopt\" re-encodes a bank made for another build)");
        if (r.id <= 0)
            throw SourceError(where + ": the id is not positive");
        SourceQuestion s;
        s.id = r.id;
        s.chapter = r.chapter;
        s.type = r.type;
        s.stem = r.name;
        s.answer = r.rightAnswer;
        s.picture = r.picture;
        s.score = r.score;
        s.wrong = r.wrong;
        if (r.wrong != 0 && r.wrong != 1)
            throw SourceError(where + ": the wrong flag is not 0 or 1");
        CheckLine(where, "stem", s.stem);
        CheckLine(where, "picture name", s.picture);
        if (s.stem.empty())
            throw SourceError(where + ": the stem is empty");
        if (r.type != 1 && FitsFourLines(r.answers))
            s.options = bank::OptionList::Split(r.answers);
        else if (!r.answers.empty() || r.type != 1) {
            CheckLine(where, "option text", r.answers);
            if (r.answers != Trimmed(r.answers))
                throw SourceError(where + ": the option text begins or ends with a blank, which the source "
                                          "format drops");
            s.storedOptions = r.answers;
        }
        chapters[r.chapter].push_back(std::move(s));
    }
    fs::create_directories(folder);
    for (int c = 1; c <= 8; ++c) {
        fs::path file = fs::path(folder) / ("ch" + std::to_string(c) + ".txt");
        if (!overwrite && fs::exists(file))
            throw SourceError(file.string() + ": exists already (use --force to replace it)");
    }
    for (int c = 1; c <= 8; ++c) {
        fs::path file = fs::path(folder) / ("ch" + std::to_string(c) + ".txt");
        std::string error;
        if (!win::WriteFileAtomically(file, QuestionSource::Format(chapters[c], c), error))
            throw SourceError(file.string() + ": " + error);
    }
    return row;
}

} // namespace qbank
