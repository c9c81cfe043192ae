#pragma once
// The text and selection of a single-line edit box, with the editing operations, apart from any
// window. Positions count UTF-16 units; moves and deletions never split a surrogate pair.

#include <cstddef>
#include <string>
#include <string_view>

namespace qx::win {

class EditModel {
public:
    enum class Motion { Left, Right, Home, End };

    const std::u16string& Text() const { return m_text; }
    // Replaces the text (the limit does not apply, as for WM_SETTEXT); the caret goes to the start.
    void SetText(std::u16string_view text);

    std::size_t Anchor() const { return m_anchor; }
    std::size_t Caret() const { return m_caret; }
    std::size_t SelStart() const { return m_anchor < m_caret ? m_anchor : m_caret; }
    std::size_t SelEnd() const { return m_anchor < m_caret ? m_caret : m_anchor; }
    bool HasSelection() const { return m_anchor != m_caret; }

    // EM_SETSEL: start -1 removes the selection (the caret stays); end -1, or past the text, is
    // the end of the text. The caret goes to end.
    void SetSel(long long start, long long end);
    void SelectAll() { SetSel(0, -1); }
    void SetCaret(std::size_t position, bool extend);

    // Replaces the selection with text, cut to what the limit leaves room for. False when nothing
    // changed; truncated tells whether the limit cut the text.
    bool ReplaceSel(std::u16string_view text, bool* truncated = nullptr);
    // Backspace and Delete: the selection, else the character before or after the caret.
    bool Backspace();
    bool DeleteForward();
    void Move(Motion motion, bool extend);

    // 0 is the largest limit (0x7FFFFFFE units), as EM_LIMITTEXT gives it.
    void SetLimit(std::size_t limit);
    std::size_t Limit() const { return m_limit; }

private:
    std::size_t Clamp(std::size_t position) const;
    std::size_t PreviousBoundary(std::size_t position) const;
    std::size_t NextBoundary(std::size_t position) const;

    std::u16string m_text;
    std::size_t m_anchor = 0;
    std::size_t m_caret = 0;
    std::size_t m_limit = 0x7FFFFFFE;
};

}  // namespace qx::win
