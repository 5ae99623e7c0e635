#include "app/vek_doc.h"

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

void CVekDoc::OnNewDocument() { commands_->NewDocument(); }

bool CVekDoc::OnFileOpen() { return commands_->Open(); }
bool CVekDoc::OnFileSave() { return commands_->Save(); }
bool CVekDoc::OnFileSaveAs() { return commands_->SaveAs(); }
bool CVekDoc::LoadDocument(const std::filesystem::path& path) { return commands_->FrameworkLoad(path); }

void CVekDoc::UpdateAllViews() { emit UpdateViews(); }

void CVekDoc::SetModified(bool modified) {
  if (modified == commands_->IsModified()) return;
  commands_->SetModified(modified);
  emit ModifiedChanged(modified);
}

void CVekDoc::DocumentPathChanged(const std::filesystem::path& path) { emit PathNameChanged(PathToQString(path)); }

}  // namespace vek
