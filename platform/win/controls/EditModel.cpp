#include "platform/win/controls/EditModel.h"

#include <algorithm>

namespace qx::win {
namespace {
bool IsHighSurrogate(char16_t c) { return c >= 0xD800 && c <= 0xDBFF; }
bool IsLowSurrogate(char16_t c) { return c >= 0xDC00 && c <= 0xDFFF; }
}  // namespace

void EditModel::SetText(std::u16string_view text) {
    m_text.assign(text);
    m_anchor = m_caret = 0;
}

std::size_t EditModel::Clamp(std::size_t position) const {
    position = std::min(position, m_text.size());
    // Never inside a surrogate pair.
    if (position > 0 && position < m_text.size() && IsLowSurrogate(m_text[position]) &&
        IsHighSurrogate(m_text[position - 1])) {
        --position;
    }
    return position;
}

std::size_t EditModel::PreviousBoundary(std::size_t position) const {
    if (position == 0) return 0;
    --position;
    if (position > 0 && IsLowSurrogate(m_text[position]) && IsHighSurrogate(m_text[position - 1])) --position;
    return position;
}

std::size_t EditModel::NextBoundary(std::size_t position) const {
    if (position >= m_text.size()) return m_text.size();
    ++position;
    if (position < m_text.size() && IsLowSurrogate(m_text[position]) && IsHighSurrogate(m_text[position - 1])) {
        ++position;
    }
    return position;
}

void EditModel::SetSel(long long start, long long end) {
    if (start == -1) {
        m_anchor = m_caret;
        return;
    }
    const auto size = static_cast<long long>(m_text.size());
    auto fit = [&](long long v) { return Clamp(static_cast<std::size_t>(v < 0 || v > size ? size : v)); };
    // A start below -1 counts from nothing, as an end of -1 counts to the end.
    m_anchor = start < 0 ? 0 : fit(start);
    m_caret = fit(end);
}

void EditModel::SetCaret(std::size_t position, bool extend) {
    m_caret = Clamp(position);
    if (!extend) m_anchor = m_caret;
}

bool EditModel::ReplaceSel(std::u16string_view text, bool* truncated) {
    const std::size_t start = SelStart();
    const std::size_t end = SelEnd();
    const std::size_t room = m_limit - std::min(m_limit, m_text.size() - (end - start));
    std::size_t take = std::min(text.size(), room);
    // Do not keep half of a surrogate pair.
    if (take > 0 && take < text.size() && IsHighSurrogate(text[take - 1])) --take;
    if (truncated) *truncated = take < text.size();
    if (take == 0 && start == end) return false;
    m_text.replace(start, end - start, text.substr(0, take));
    m_anchor = m_caret = start + take;
    return true;
}

bool EditModel::Backspace() {
    if (!HasSelection()) {
        if (m_caret == 0) return false;
        m_anchor = PreviousBoundary(m_caret);
    }
    return ReplaceSel({});
}

bool EditModel::DeleteForward() {
    if (!HasSelection()) {
        if (m_caret >= m_text.size()) return false;
        m_anchor = NextBoundary(m_caret);
    }
    return ReplaceSel({});
}

void EditModel::Move(Motion motion, bool extend) {
    std::size_t target = m_caret;
    switch (motion) {
    case Motion::Left:
        // Without Shift, Left with a selection goes to its start.
        target = HasSelection() && !extend ? SelStart() : PreviousBoundary(m_caret);
        break;
    case Motion::Right:
        target = HasSelection() && !extend ? SelEnd() : NextBoundary(m_caret);
        break;
    case Motion::Home:
        target = 0;
        break;
    case Motion::End:
        target = m_text.size();
        break;
    }
    SetCaret(target, extend);
}

void EditModel::SetLimit(std::size_t limit) { m_limit = limit == 0 ? 0x7FFFFFFE : limit; }

}  // namespace qx::win
