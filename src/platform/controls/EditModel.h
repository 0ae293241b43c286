// The text of an edit control and its selection, with the editing operations, apart from any window.
// Positions count characters (code points); lines end at '\n' (a preceding '\r' belongs to the break).
#pragma once

#include <cstddef>
#include <string>

namespace win::controls {

class EditModel {
public:
    const std::u32string& text() const { return m_text; }
    size_t anchor() const { return m_anchor; }
    size_t caret() const { return m_caret; }
    size_t selStart() const { return std::min(m_anchor, m_caret); }
    size_t selEnd() const { return std::max(m_anchor, m_caret); }
    bool hasSelection() const { return m_anchor != m_caret; }
    size_t limit() const { return m_limit; }
    void setLimit(size_t limit) { m_limit = limit; }
    bool modified() const { return m_modified; }
    void setModified(bool m) { m_modified = m; }
    bool canUndo() const { return m_canUndo; }

    // Replaces everything; the caret goes to the start.
    void setText(std::u32string text);
    // Positions are clamped to the text.
    void select(size_t anchor, size_t caret);
    void moveCaret(size_t pos, bool extend);
    // Replaces the selection by `s`, cut to what the limit allows when `limited`. Returns false when nothing
    // could be inserted and the selection was empty, i.e. nothing changed; *truncated tells of a cut.
    bool replaceSelection(const std::u32string& s, bool limited, bool* truncated = nullptr);
    bool deleteBackward();
    bool deleteForward();
    bool undo();
    std::u32string selectedText() const { return m_text.substr(selStart(), selEnd() - selStart()); }

    size_t lineCount() const;
    size_t lineOf(size_t pos) const;
    size_t lineStart(size_t line) const;
    size_t lineEnd(size_t line) const; // before the break
    // The word around a position: [first, last).
    void wordAt(size_t pos, size_t* first, size_t* last) const;

private:
    void remember();

    std::u32string m_text;
    size_t m_anchor = 0;
    size_t m_caret = 0;
    size_t m_limit = 30000;
    bool m_modified = false;
    std::u32string m_undoText;
    size_t m_undoAnchor = 0, m_undoCaret = 0;
    bool m_canUndo = false;
};

} // namespace win::controls
