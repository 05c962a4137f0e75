// DecodeLine: the broadcast line being decoded, at most 255 single-byte
// characters.  Text beyond the capacity is dropped, never rejected: the
// decoders downstream read fixed columns and cope with short lines.
// One per terminal, owned by the line intake; window thread only.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace brilox {

class DecodeLine {
 public:
  static constexpr std::size_t kCapacity = 255;

  DecodeLine() { m_text.reserve(kCapacity); }

  void Append(char c) {
    if (m_text.size() < kCapacity) m_text.push_back(c);
  }
  void Append(std::string_view text) { m_text.append(text.substr(0, kCapacity - m_text.size())); }
  void Assign(std::string_view text) { m_text.assign(text.substr(0, kCapacity)); }
  void Clear() { m_text.clear(); }
  // Removes `count` characters from the 0-based `index` on (fewer at the end).
  void Erase(std::size_t index, std::size_t count) {
    if (index < m_text.size()) m_text.erase(index, count);
  }
  // Removes every character for which `pred` holds; returns how many went.
  template <typename Pred>
  std::size_t EraseIf(Pred pred) {
    return std::erase_if(m_text, pred);
  }
  void PopBack() {
    if (!m_text.empty()) m_text.pop_back();
  }

  std::size_t size() const { return m_text.size(); }
  bool empty() const { return m_text.empty(); }
  std::string_view view() const { return m_text; }
  const std::string& str() const { return m_text; }
  char back() const { return m_text.empty() ? '\0' : m_text.back(); }
  // The character at the 1-based `position`, or NUL beyond the end: the
  // layout tests name columns the way operators count them.
  char At(std::size_t position) const {
    return position >= 1 && position <= m_text.size() ? m_text[position - 1] : '\0';
  }

 private:
  std::string m_text;
};

}  // namespace brilox
