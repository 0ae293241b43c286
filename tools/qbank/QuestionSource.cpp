#include "QuestionSource.h"

#include "platform/os/CodePage.h"

#include <charconv>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace qbank {

namespace {

constexpr const char* kTypeNames[] = {"judge", "single", "multi"};
constexpr const char* kOptionKeys[] = {"A", "B", "C", "D"};
constexpr size_t kMaxFileSize = 64u << 20;

bool ParseInt(const std::string& s, int& out) {
    auto r = std::from_chars(s.data(), s.data() + s.size(), out);
    return !s.empty() && r.ec == std::errc() && r.ptr == s.data() + s.size();
}

struct Line {
    int number;
    std::string key;
    std::string value;
};

class RecordParser {
public:
    RecordParser(const std::string& file, int chapter, std::vector<Line> lines)
        : m_file(file), m_chapter(chapter), m_lines(std::move(lines)) {}

    SourceQuestion Run() {
        SourceQuestion q;
        q.file = m_file;
        q.line = m_lines.front().number;
        q.chapter = m_chapter;
        if (Peek("id")) {
            const Line& l = Take("id");
            int id;
            if (!ParseInt(l.value, id) || id <= 0)
                Fail(l, "id must be a positive whole number, not \"" + l.value + "\"");
            q.id = id;
        }
        const Line& t = Take("type");
        for (int k = 0; k < 3; ++k)
            if (t.value == kTypeNames[k])
                q.type = k + 1;
        if (!q.type)
            Fail(t, "type must be judge, single or multi, not \"" + t.value + "\"");
        const Line& s = Take("stem");
        if (s.value.empty())
            Fail(s, "the stem is empty");
        q.stem = s.value;
        if (Peek("options")) {
            q.storedOptions = Take("options").value;
        } else if (q.type != 1) {
            for (const char* key : kOptionKeys) {
                const Line& o = Take(key);
                if (o.value.empty())
                    Fail(o, std::string("option ") + key + " is empty");
                if (o.value.find('|') != std::string::npos)
                    Fail(o, std::string("option ") + key +
                                " contains \"|\", which separates the stored options");
                q.options.push_back(o.value);
            }
        }
        const Line& a = Take("answer");
        if (!ValidAnswer(q.type, a.value))
            Fail(a, std::string("the answer of a ") + kTypeNames[q.type - 1] + " question must be " +
                        (q.type == bank::qkTrueFalse      ? "Y or N"
                         : q.type == bank::qkSingleChoice ? "one of A, B, C, D"
                                                          : "letters A-D in ascending order") +
                        ", not \"" + a.value + "\"");
        q.answer = a.value;
        if (Peek("picture")) {
            const Line& p = Take("picture");
            if (p.value.empty())
                Fail(p, "the picture name is empty (leave the line out for no picture)");
            q.picture = p.value;
        }
        q.score = QuestionSource::DefaultScore(q.type);
        if (Peek("score")) {
            const Line& l = Take("score");
            if (!ParseInt(l.value, q.score) || q.score < 0 || q.score > 100)
                Fail(l, "score must be a whole number from 0 to 100, not \"" + l.value + "\"");
        }
        if (Peek("wrong")) {
            const Line& l = Take("wrong");
            if (l.value != "0" && l.value != "1")
                Fail(l, "wrong must be 0 or 1, not \"" + l.value + "\"");
            q.wrong = l.value == "1";
        }
        if (m_next < m_lines.size())
            Fail(m_lines[m_next], "unexpected \"" + m_lines[m_next].key +
                                      ":\" here (keys go in the order id, type, "
                                      "stem, A, B, C, D or options, answer, picture, score, wrong)");
        return q;
    }

    static bool ValidAnswer(int type, const std::string& a) {
        if (type == bank::qkTrueFalse)
            return a == "Y" || a == "N";
        if (type == bank::qkSingleChoice)
            return a.size() == 1 && a[0] >= 'A' && a[0] <= 'D';
        if (a.empty())
            return false;
        for (size_t i = 0; i < a.size(); ++i)
            if (a[i] < 'A' || a[i] > 'D' || (i > 0 && a[i] <= a[i - 1]))
                return false;
        return true;
    }

private:
    [[noreturn]] void Fail(const Line& l, const std::string& what) const {
        throw SourceError(m_file + ":" + std::to_string(l.number) + ": " + what);
    }
    bool Peek(const char* key) const { return m_next < m_lines.size() && m_lines[m_next].key == key; }
    const Line& Take(const char* key) {
        if (m_next >= m_lines.size())
            Fail(m_lines.back(), std::string("the record ends before its \"") + key + ":\" line");
        if (m_lines[m_next].key != key)
            Fail(m_lines[m_next],
                 std::string("expected \"") + key + ":\" but found \"" + m_lines[m_next].key + ":\"");
        return m_lines[m_next++];
    }

    const std::string& m_file;
    int m_chapter;
    std::vector<Line> m_lines;
    size_t m_next = 0;
};

} // namespace

const char* QuestionSource::TypeName(int type) {
    return type >= 1 && type <= 3 ? kTypeNames[type - 1] : "?";
}

std::vector<SourceQuestion> QuestionSource::Parse(const std::string& text, const std::string& file,
                                                  int chapter) {
    if (!win::IsValidUtf8(text)) {
        // Name the first bad line rather than the whole file.
        int n = 1;
        size_t start = 0;
        while (start < text.size()) {
            size_t end = text.find('\n', start);
            std::string_view line(text.data() + start,
                                  (end == std::string::npos ? text.size() : end) - start);
            if (!win::IsValidUtf8(line))
                break;
            ++n;
            start = end == std::string::npos ? text.size() : end + 1;
        }
        throw SourceError(file + ":" + std::to_string(n) + ": the text is not valid UTF-8");
    }
    std::vector<SourceQuestion> out;
    std::vector<Line> record;
    auto flush = [&] {
        if (!record.empty())
            out.push_back(RecordParser(file, chapter, std::move(record)).Run());
        record.clear();
    };
    size_t start = text.compare(0, 3, "\xEF\xBB\xBF") == 0 ? 3 : 0;
    int number = 0;
    while (start <= text.size()) {
        size_t end = text.find('\n', start);
        if (end == std::string::npos)
            end = text.size();
        std::string line = text.substr(start, end - start);
        start = end + 1;
        ++number;
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        if (!line.empty() && line[0] == '#')
            continue;
        if (line.find_first_not_of(" \t") == std::string::npos) {
            flush();
            continue;
        }
        size_t colon = line.find(':');
        if (colon == std::string::npos || colon == 0)
            throw SourceError(file + ":" + std::to_string(number) + ": expected \"key: value\"");
        std::string key = line.substr(0, colon);
        std::string value = line.substr(colon + 1);
        size_t a = value.find_first_not_of(" \t");
        value = a == std::string::npos ? "" : value.substr(a);
        while (!value.empty() && (value.back() == ' ' || value.back() == '\t'))
            value.pop_back();
        record.push_back({number, key, value});
    }
    flush();
    return out;
}

std::vector<SourceQuestion> QuestionSource::ReadFile(const std::string& path, int chapter) {
    std::error_code ec;
    if (!std::filesystem::is_regular_file(path, ec))
        throw SourceError(path + ": no such question file");
    if (std::filesystem::file_size(path, ec) > kMaxFileSize)
        throw SourceError(path + ": the file is too large to be a question source");
    std::ifstream in(path, std::ios::binary);
    std::stringstream ss;
    ss << in.rdbuf();
    if (!in && !in.eof())
        throw SourceError(path + ": cannot be read");
    return Parse(ss.str(), path, chapter);
}

std::vector<SourceQuestion> QuestionSource::ReadFolder(const std::string& folder) {
    std::vector<SourceQuestion> all;
    for (int chapter = 1; chapter <= 8; ++chapter) {
        auto part = ReadFile(
            (std::filesystem::path(folder) / ("ch" + std::to_string(chapter) + ".txt")).string(), chapter);
        all.insert(all.end(), part.begin(), part.end());
    }
    return all;
}

std::string QuestionSource::Format(const std::vector<SourceQuestion>& questions, int chapter) {
    std::string out = "# Chapter " + std::to_string(chapter) + "\n";
    for (const auto& q : questions) {
        out += "\n";
        if (q.id)
            out += "id: " + std::to_string(*q.id) + "\n";
        out += std::string("type: ") + TypeName(q.type) + "\n";
        out += "stem: " + q.stem + "\n";
        if (q.storedOptions)
            out += "options: " + *q.storedOptions + "\n";
        else
            for (size_t k = 0; k < q.options.size() && k < 4; ++k)
                out += std::string(kOptionKeys[k]) + ": " + q.options[k] + "\n";
        out += "answer: " + q.answer + "\n";
        if (!q.picture.empty())
            out += "picture: " + q.picture + "\n";
        if (q.score != DefaultScore(q.type))
            out += "score: " + std::to_string(q.score) + "\n";
        if (q.wrong)
            out += "wrong: 1\n";
    }
    return out;
}

} // namespace qbank
