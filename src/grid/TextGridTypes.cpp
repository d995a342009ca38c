#include "grid/TextGridTypes.h"

#include "platform/Errors.h"

std::size_t TCellStrings::Checked(std::int32_t Index) const {
  if (Index < 0 || Index >= Count()) throw tv::EListError(Index);
  return static_cast<std::size_t>(Index);
}

std::unique_ptr<tv::TTextMeasure>* TCellStrings::Measure(std::int32_t Index) const {
  const TEntry& entry = Items_[Checked(Index)];
  return entry.Text.size() < LongText ? nullptr : &entry.Measure;
}

void TCellStrings::Add(std::string Text, std::int32_t Tag) { Items_.emplace_back(std::move(Text), Tag); }

void TCellStrings::Insert(std::int32_t Index, std::string Text, std::int32_t Tag) {
  if (Index < 0 || Index > Count()) throw tv::EListError(Index);
  Items_.insert(Items_.begin() + Index, TEntry(std::move(Text), Tag));
}

void TCellStrings::Delete(std::int32_t Index) { Items_.erase(Items_.begin() + static_cast<std::ptrdiff_t>(Checked(Index))); }

void TCellStrings::DeleteText(std::int32_t Index) {
  for (std::size_t i = Checked(Index); i + 1 < Items_.size(); ++i) {
    Items_[i].Text = std::move(Items_[i + 1].Text);
    Items_[i].Measure = std::move(Items_[i + 1].Measure);
  }
  Items_.back().Text.clear();
  Items_.back().Measure.reset();
}

void TCellStrings::PadTo(std::int32_t Count) {
  if (Count > this->Count()) Items_.resize(static_cast<std::size_t>(Count));
}

std::vector<std::string> SplitTextLines(std::string_view Text) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  std::size_t i = 0;
  while (i < Text.size()) {
    const char c = Text[i];
    if (c == '\r' || c == '\n') {
      lines.emplace_back(Text.substr(start, i - start));
      if (c == '\r' && i + 1 < Text.size() && Text[i + 1] == '\n') ++i;
      start = i + 1;
    }
    ++i;
  }
  if (start < Text.size()) lines.emplace_back(Text.substr(start));
  return lines;
}
