#include "shoplist/list_lines.h"

#include <array>
#include <vector>

#include "common/text.h"

namespace tallyfox {
namespace {

constexpr std::size_t kFieldCount = 5;
constexpr std::u16string_view kFieldSeparator = u"  ";

std::u16string JoinWords(const std::vector<std::u16string_view>& words, std::size_t first,
                         std::size_t last) {
  std::u16string joined;
  for (std::size_t i = first; i < last; ++i) {
    if (i > first) joined += u' ';
    joined += words[i];
  }
  return joined;
}

}  // namespace

std::optional<ItemLine> ParseItemLine(std::u16string_view line) {
  const std::vector<std::u16string_view> words = SplitWords(line);
  if (words.empty()) return std::nullopt;
  std::array<std::u16string, kFieldCount> fields;
  if (words.size() <= kFieldCount) {
    for (std::size_t i = 0; i < words.size(); ++i) fields[i] = words[i];
  } else {
    const std::size_t count = words.size();
    fields = {std::u16string(words[0]), JoinWords(words, 1, count - 3),
              std::u16string(words[count - 3]), std::u16string(words[count - 2]),
              std::u16string(words[count - 1])};
  }
  return ItemLine{std::move(fields[0]), std::move(fields[1]), std::move(fields[2]),
                  std::move(fields[3]), std::move(fields[4])};
}

std::u16string FormatItemLine(const ItemLine& line) {
  const std::array<const std::u16string*, kFieldCount> fields = {
      &line.checked, &line.name, &line.qty, &line.catalog, &line.price};
  std::size_t used = kFieldCount;
  while (used > 0 && fields[used - 1]->empty()) --used;
  std::u16string text;
  for (std::size_t i = 0; i < used; ++i) {
    if (i > 0) text += kFieldSeparator;
    text += *fields[i];
  }
  text += u'\n';
  return text;
}

}  // namespace tallyfox
