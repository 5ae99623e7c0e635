#include "settings/sheet_page_dialog.h"

#include <QEvent>

#include "qt/cp932_text.h"
#include "qt/cp932_validator.h"

namespace vek {

namespace {

constexpr int kFooterTextMaxBytes = 30;
constexpr int kFooterNumberMaxBytes = 10;
constexpr FooterRow kRows[] = {FooterRow::Graph, FooterRow::Table};

void AddPresets(QComboBox* combo, const auto& presets) {
  for (const char* preset : presets) combo->addItem(QString::fromUtf8(preset));
}

}  // namespace

CSheetPageDlg::CSheetPageDlg(QWidget* parent, SheetPageLogic& form, int enterKeyMode, MessageSink* sink)
    : FormDialog(parent, enterKeyMode, sink), form_(form) {
  ui.setupUi(this);
  setWindowTitle(QString::fromStdString(form_.Caption()));
  for (FooterRow row : kRows) {
    const RowWidgets w = Row(row);
    AddPresets(w.prefix, kFooterPrefixPresets);
    AddPresets(w.suffix, kFooterSuffixPresets);
    LimitToCp932(w.prefix, kFooterTextMaxBytes, TextSlot::HeaderText);
    LimitToCp932(w.suffix, kFooterTextMaxBytes, TextSlot::HeaderText);
    LimitToCp932(w.page, kFooterNumberMaxBytes, TextSlot::HeaderText);
    connect(static_cast<PopupComboBox*>(w.prefix), &PopupComboBox::PopupAboutToShow, this,
            [this, row] { Apply([&] { form_.PrefixListDropped(row); }); });
    connect(static_cast<PopupComboBox*>(w.suffix), &PopupComboBox::PopupAboutToShow, this,
            [this, row] { Apply([&] { form_.RefreshPreview(row); }); });
  }
  for (QLineEdit* edit : {ui.topMargin, ui.nameOffset, ui.leftMargin})
    LimitToCp932(edit, kFooterNumberMaxBytes, TextSlot::HeaderText);
  for (QRadioButton* radio : {ui.verticalPaperTop, ui.verticalCompanyName, ui.horizontalPaperLeft, ui.horizontalCentred})
    connect(radio, &QRadioButton::toggled, this, [this](bool on) {
      if (on) Apply([] {});
    });
  connect(ui.sameAsName, &QPushButton::clicked, this, [this] { Apply([&] { form_.PlaceAtCompanyName(); }); });
  connect(ui.standardButton, &QPushButton::clicked, this, [this] { Apply([&] { form_.ApplyStandard(); }); });
  connect(ui.okButton, &QPushButton::clicked, this, &QDialog::accept);
  connect(ui.cancelButton, &QPushButton::clicked, this, &QDialog::reject);
  PushToWidgets();
  opened_ = ShownValues();
}

CSheetPageDlg::RowWidgets CSheetPageDlg::Row(FooterRow row) const {
  if (row == FooterRow::Graph) return {ui.graphPrefix, ui.graphPage, ui.graphSuffix, ui.graphPreview};
  return {ui.tablePrefix, ui.tablePage, ui.tableSuffix, ui.tablePreview};
}

void CSheetPageDlg::PullFromWidgets() { form_.Values() = ShownValues(); }

SheetPageValues CSheetPageDlg::ShownValues() const {
  SheetPageValues v = form_.Values();
  for (FooterRow row : kRows) {
    const RowWidgets w = Row(row);
    FooterRowTexts& texts = v.rows[static_cast<int>(row)];
    texts.prefix = ToCp932Accepted(w.prefix->currentText());
    texts.page = ToCp932Accepted(w.page->text());
    texts.suffix = ToCp932Accepted(w.suffix->currentText());
  }
  v.vertical = ui.verticalCompanyName->isChecked() ? FooterVertical::CompanyName : FooterVertical::PaperTop;
  v.horizontal = ui.horizontalCentred->isChecked() ? FooterHorizontal::Centred : FooterHorizontal::PaperLeft;
  v.topMargin = ToCp932Accepted(ui.topMargin->text());
  v.nameOffset = ToCp932Accepted(ui.nameOffset->text());
  v.leftMargin = ToCp932Accepted(ui.leftMargin->text());
  return v;
}

void CSheetPageDlg::PushToWidgets() {
  const SheetPageValues& v = form_.Values();
  for (FooterRow row : kRows) {
    const RowWidgets w = Row(row);
    const FooterRowTexts& texts = v.rows[static_cast<int>(row)];
    w.prefix->setEditText(FromCp932(texts.prefix));
    w.page->setText(FromCp932(texts.page));
    w.suffix->setEditText(FromCp932(texts.suffix));
    w.preview->setText(FromCp932(form_.Preview(row)));
  }
  // Setting a radio re-enters Apply through its toggled signal; the values are already in place.
  const QSignalBlocker blockTop(ui.verticalPaperTop), blockName(ui.verticalCompanyName),
      blockLeft(ui.horizontalPaperLeft), blockCentre(ui.horizontalCentred);
  (v.vertical == FooterVertical::CompanyName ? ui.verticalCompanyName : ui.verticalPaperTop)->setChecked(true);
  (v.horizontal == FooterHorizontal::Centred ? ui.horizontalCentred : ui.horizontalPaperLeft)->setChecked(true);
  ui.topMargin->setText(FromCp932(v.topMargin));
  ui.nameOffset->setText(FromCp932(v.nameOffset));
  ui.leftMargin->setText(FromCp932(v.leftMargin));
  ui.centreOffset->setText(FromCp932(v.centreOffset));
  ui.topMargin->setEnabled(form_.TopMarginEnabled());
  ui.nameOffset->setEnabled(form_.NameOffsetEnabled());
  ui.sameAsName->setEnabled(form_.NameOffsetEnabled());
  ui.leftMargin->setEnabled(form_.LeftMarginEnabled());
}

bool CSheetPageDlg::eventFilter(QObject* watched, QEvent* event) {
  for (FooterRow row : kRows) {
    const RowWidgets w = Row(row);
    if ((watched == w.page && event->type() == QEvent::FocusOut) ||
        (watched == w.preview && event->type() == QEvent::FocusIn))
      Apply([&] { form_.RefreshPreview(row); });
  }
  return FormDialog::eventFilter(watched, event);
}

bool CSheetPageDlg::CommitForm() {
  PullFromWidgets();
  recordChanged_ = form_.Commit(Sink());
  return true;
}

}  // namespace vek
