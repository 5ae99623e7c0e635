#include "app/vek_doc.h"

#include <utility>

#include "qt/file_dialogs.h"

namespace vek {

CVekDoc::CVekDoc(RecordStore& store, SheetSettings& settings, MessageSink& sink, FileChooser& chooser,
                 QObject* parent)
    : QObject(parent),
      store_(store),
      settings_(settings),
      sink_(sink),
      commands_(std::make_unique<DocumentCommands>(store, settings, sink, chooser, static_cast<DocumentHost&>(*this))) {}

CVekDoc::~CVekDoc() = default;

namespace {

std::pair<bool, bool> Marks(const CVekDoc& doc) {
  return {doc.IsModified(DataKind::Calibration), doc.IsModified(DataKind::Test)};
}

// Runs a file command and reports a change of the modified marks it brought.
template <typename Command>
auto Tracked(CVekDoc& doc, bool, Command command) {
  const std::pair<bool, bool> before = Marks(doc);
  auto result = command();
  if (Marks(doc) != before) emit doc.ModifiedChanged(doc.IsModified());
  return result;
}

}  // namespace

void CVekDoc::OnNewDocument() {
  Tracked(*this, IsModified(), [this] {
    commands_->NewDocument();
    return true;
  });
}

bool CVekDoc::OnFileOpen() { return Tracked(*this, IsModified(), [this] { return commands_->Open(); }); }
bool CVekDoc::OnFileSave() { return Tracked(*this, IsModified(), [this] { return commands_->Save(); }); }
bool CVekDoc::OnFileSaveAs() { return Tracked(*this, IsModified(), [this] { return commands_->SaveAs(); }); }
bool CVekDoc::LoadDocument(const std::filesystem::path& path) {
  return Tracked(*this, IsModified(), [&] { return commands_->OpenFromOutside(path); });
}

void CVekDoc::SetModified(bool modified) {
  Tracked(*this, IsModified(), [&] {
    commands_->SetModified(modified);
    return true;
  });
}

void CVekDoc::SetModified(DataKind kind, bool modified) {
  Tracked(*this, IsModified(), [&] {
    commands_->SetModified(kind, modified);
    return true;
  });
}

bool CVekDoc::SaveModified(const std::function<SaveChoice(const std::string& question)>& ask) {
  return Tracked(*this, IsModified(), [&] { return commands_->SaveModified(ask); });
}

void CVekDoc::UpdateAllViews() { emit UpdateViews(); }


void CVekDoc::DocumentPathChanged(const std::filesystem::path& path) { emit PathNameChanged(PathToQString(path)); }

}  // namespace vek
