#include "grid/TextColumns.h"

#include "grid/TextGrid.h"
#include "platform/Errors.h"

// --- TTextColumn -----------------------------------------------------------------

TTextColumn::TTextColumn(TTextColumns& Collection)
    : Collection_(Collection),
      Width_(Collection.Grid().DefColWidth()),
      Font_(Collection.Grid().Font()),
      Color_(Collection.Grid().Color()) {}

TTextGrid& TTextColumn::Grid() const { return Collection_.Grid(); }

std::int32_t TTextColumn::Index() const { return Collection_.IndexOf(this); }

void TTextColumn::Changed(bool AllItems) {
  if (Collection_.UpdateCount() > 0) return;
  Collection_.Update(AllItems ? nullptr : this);
}

void TTextColumn::SetTitle(const std::string& Value) {
  if (Value == Title_) return;
  Title_ = Value;
  Changed(true);
}

void TTextColumn::SetFooter(const std::string& Value) {
  if (Value == Footer_) return;
  Footer_ = Value;
  Changed(false);
}

void TTextColumn::SetWidth(std::int32_t Value) {
  if (Value == Width_) return;
  Width_ = Value;
  Changed(true);
}

void TTextColumn::AssignFont(const tv::TFont& Value) {
  if (Value == Font_) return;
  Font_ = Value;
  Changed(false);  // the font's own change notice
}

void TTextColumn::SetFont(const tv::TFont& Value) {
  AssignFont(Value);
  Changed(false);
}

void TTextColumn::SetColor(tv::TColor Value) {
  if (Value == Color_) return;
  Color_ = Value;
  Changed(false);
}

void TTextColumn::SetHorzAlign(THorzAlign Value) {
  if (Value == HorzAlign_) return;
  HorzAlign_ = Value;
  Changed(false);
}

void TTextColumn::SetVertAlign(TVertAlign Value) {
  if (Value == VertAlign_) return;
  VertAlign_ = Value;
  Changed(false);
}

void TTextColumn::SetVisible(bool Value) {
  if (Value == Visible_) return;
  Visible_ = Value;
  Grid().FitSkipColumn_ = Index();
  Changed(true);
}

void TTextColumn::SetStrings(const TCellStrings& Value) {
  Strings_ = Value;
  Changed(false);
}

void TTextColumn::Assign(const TTextColumn* Source) {
  if (Source == nullptr) return;
  SetTitle(std::string(Source->Title_));
  SetFooter(std::string(Source->Footer_));
  SetWidth(Source->Width_);
  SetFont(tv::TFont(Source->Font_));
  SetColor(Source->Color_);
  SetHorzAlign(Source->HorzAlign_);
  SetVertAlign(Source->VertAlign_);
  SetVisible(Source->Visible_);
  Tag_ = Source->Tag_;
  Tag2_ = Source->Tag2_;
  Hint_ = Source->Hint_;
  CanResize_ = Source->CanResize_;
  ReadOnly_ = Source->ReadOnly_;
  if (Source != this) Strings_ = Source->Strings_;
  Changed(false);
}

std::string TTextColumn::GetDisplayName() const {
  return Title_.empty() ? "Column " + std::to_string(Index()) : Title_;
}

bool TTextColumn::IsFontStored() const {
  const tv::TFont& g = Grid().Font();
  const bool equal = Font_.Charset == g.Charset && Font_.Color == g.Color && Font_.Height == g.Height &&
                     Font_.Name == g.Name && Font_.Pitch == g.Pitch && Font_.Size() == g.Size() &&
                     Font_.Bold == g.Bold && Font_.Italic == g.Italic && Font_.Underline == g.Underline;
  return !equal;
}

// --- TTextColumns ----------------------------------------------------------------

TTextColumns::~TTextColumns() {
  UpdateCount_ = 1;
  Items_.clear();
}

TTextColumn& TTextColumns::Add() {
  Items_.push_back(std::make_unique<TTextColumn>(*this));
  TTextColumn& column = *Items_.back();
  if (UpdateCount_ == 0) Update(nullptr);
  return column;
}

TTextColumn& TTextColumns::GetItem(std::int32_t Index) const {
  if (Index < 0 || Index >= Count()) throw tv::EListError(Index);
  return *Items_[static_cast<std::size_t>(Index)];
}

std::int32_t TTextColumns::IndexOf(const TTextColumn* Column) const {
  for (std::size_t i = 0; i < Items_.size(); ++i) {
    if (Items_[i].get() == Column) return static_cast<std::int32_t>(i);
  }
  return -1;
}

void TTextColumns::Delete(std::int32_t Index) {
  GetItem(Index);  // the index test
  // The column leaves first; the grid rebuilds without it while its font and
  // texts still exist, and they go when `leaving` ends.
  std::unique_ptr<TTextColumn> leaving = std::move(Items_[static_cast<std::size_t>(Index)]);
  Items_.erase(Items_.begin() + Index);
  Grid_.InplaceEditor().ColumnDeleted(Index);
  if (UpdateCount_ == 0) Update(nullptr);
}

TTextColumns::TUpdate::~TUpdate() {
  if (!Closed_ && Columns_.UpdateCount_ > 0) --Columns_.UpdateCount_;
}

void TTextColumns::TUpdate::Close() {
  Closed_ = true;
  Columns_.EndUpdate();
}

void TTextColumns::Clear() {
  if (Items_.empty()) return;
  TUpdate update(*this);
  while (!Items_.empty()) Delete(Count() - 1);
  update.Close();
}

void TTextColumns::Assign(const TTextColumns& Source) {
  if (&Source == this) return;
  TUpdate update(*this);
  Clear();
  for (const auto& column : Source.Items_) Add().Assign(column.get());
  update.Close();
}

void TTextColumns::EndUpdate() {
  if (UpdateCount_ > 0) --UpdateCount_;
  if (UpdateCount_ == 0) Update(nullptr);
}

void TTextColumns::Update(TTextColumn* Item) {
  if (Item == nullptr) {
    Grid_.ColumnsChanged();
  } else {
    Grid_.InvalidateColumn(Item->Index());
  }
}
