// The text of an edit control and its selection, with the editing operations, apart from any window.
// Positions count characters (code points); lines end at '\n' (a preceding '\r' belongs to the break).
#pragma once

#include <cstddef>
#include <string>

namespace win::controls {

class EditModel {
public:
    const std::u32string& Text() const { return m_text; }
    size_t Anchor() const { return m_anchor; }
    size_t Caret() const { return m_caret; }
    size_t SelStart() const { return std::min(m_anchor, m_caret); }
    size_t SelEnd() const { return std::max(m_anchor, m_caret); }
    bool HasSelection() const { return m_anchor != m_caret; }
    size_t Limit() const { return m_limit; }
    void SetLimit(size_t limit) { m_limit = limit; }
    bool Modified() const { return m_modified; }
    void SetModified(bool m) { m_modified = m; }
    bool CanUndo() const { return m_canUndo; }

    // Replaces everything; the caret goes to the start.
    void SetText(std::u32string text);
    // Positions are clamped to the text.
    void Select(size_t anchor, size_t caret);
    void MoveCaret(size_t pos, bool extend);
    // Replaces the selection by `s`, cut to what the limit allows when `limited`. Returns false when nothing
    // could be inserted and the selection was empty, i.e. nothing changed; *truncated tells of a cut.
    bool ReplaceSelection(const std::u32string& s, bool limited, bool* truncated = nullptr);
    bool DeleteBackward();
    bool DeleteForward();
    bool Undo();
    std::u32string SelectedText() const { return m_text.substr(SelStart(), SelEnd() - SelStart()); }

    size_t LineCount() const;
    size_t LineOf(size_t pos) const;
    size_t LineStart(size_t line) const;
    size_t LineEnd(size_t line) const; // before the break
    // The word around a position: [first, last).
    void WordAt(size_t pos, size_t* first, size_t* last) const;

private:
    void Remember();

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
