#include "platform/controls/EditModel.h"

#include <algorithm>

namespace win::controls {

namespace {
bool IsWordChar(char32_t c) {
    return c > 0x20 && c != U'\r' && c != U'\n';
}
} // namespace

void EditModel::SetText(std::u32string text) {
    m_text = std::move(text);
    m_anchor = m_caret = 0;
    m_canUndo = false;
}

void EditModel::Select(size_t anchor, size_t caret) {
    m_anchor = std::min(anchor, m_text.size());
    m_caret = std::min(caret, m_text.size());
}

void EditModel::MoveCaret(size_t pos, bool extend) {
    m_caret = std::min(pos, m_text.size());
    if (!extend)
        m_anchor = m_caret;
}

void EditModel::Remember() {
    m_undoText = m_text;
    m_undoAnchor = m_anchor;
    m_undoCaret = m_caret;
    m_canUndo = true;
}

bool EditModel::ReplaceSelection(const std::u32string& s, bool limited, bool* truncated) {
    const size_t start = SelStart(), end = SelEnd();
    std::u32string insert = s;
    if (limited) {
        const size_t rest = m_text.size() - (end - start);
        const size_t room = m_limit > rest ? m_limit - rest : 0;
        if (insert.size() > room) {
            insert.resize(room);
            if (truncated)
                *truncated = true;
        }
    }
    if (insert.empty() && start == end)
        return false;
    Remember();
    m_text.replace(start, end - start, insert);
    m_anchor = m_caret = start + insert.size();
    m_modified = true;
    return true;
}

bool EditModel::DeleteBackward() {
    if (HasSelection())
        return ReplaceSelection(U"", false);
    if (m_caret == 0)
        return false;
    size_t from = m_caret - 1;
    if (m_text[from] == U'\n' && from > 0 && m_text[from - 1] == U'\r')
        --from;
    m_anchor = from;
    return ReplaceSelection(U"", false);
}

bool EditModel::DeleteForward() {
    if (HasSelection())
        return ReplaceSelection(U"", false);
    if (m_caret >= m_text.size())
        return false;
    size_t to = m_caret + 1;
    if (m_text[m_caret] == U'\r' && to < m_text.size() && m_text[to] == U'\n')
        ++to;
    m_anchor = to;
    return ReplaceSelection(U"", false);
}

bool EditModel::Undo() {
    if (!m_canUndo)
        return false;
    std::swap(m_text, m_undoText);
    std::swap(m_anchor, m_undoAnchor);
    std::swap(m_caret, m_undoCaret);
    m_anchor = std::min(m_anchor, m_text.size());
    m_caret = std::min(m_caret, m_text.size());
    m_modified = true;
    return true;
}

size_t EditModel::LineCount() const {
    return static_cast<size_t>(std::count(m_text.begin(), m_text.end(), U'\n')) + 1;
}

size_t EditModel::LineOf(size_t pos) const {
    pos = std::min(pos, m_text.size());
    return static_cast<size_t>(
        std::count(m_text.begin(), m_text.begin() + static_cast<std::ptrdiff_t>(pos), U'\n'));
}

size_t EditModel::LineStart(size_t line) const {
    size_t pos = 0;
    for (size_t l = 0; l < line; ++l) {
        size_t nl = m_text.find(U'\n', pos);
        if (nl == std::u32string::npos)
            return m_text.size();
        pos = nl + 1;
    }
    return pos;
}

size_t EditModel::LineEnd(size_t line) const {
    const size_t start = LineStart(line);
    size_t nl = m_text.find(U'\n', start);
    if (nl == std::u32string::npos)
        return m_text.size();
    return nl > start && m_text[nl - 1] == U'\r' ? nl - 1 : nl;
}

void EditModel::WordAt(size_t pos, size_t* first, size_t* last) const {
    pos = std::min(pos, m_text.size());
    size_t a = pos, b = pos;
    while (a > 0 && IsWordChar(m_text[a - 1]))
        --a;
    while (b < m_text.size() && IsWordChar(m_text[b]))
        ++b;
    *first = a;
    *last = b;
}

} // namespace win::controls
