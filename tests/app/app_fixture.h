#pragma once
// A main window on the offscreen platform with scripted file choosers, recorded message boxes, a
// recent-file list in a temporary file and VEK_HOME in a temporary folder.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDialog>
#include <QTimer>
#include <QSettings>
#include <deque>
#include <functional>
#include <filesystem>
#include <memory>
#include <optional>

#include "app/main_frame.h"
#include "app/vek_doc.h"
#include "app/vek_view.h"
#include "core/encoding.h"
#include "core/messages.h"
#include "core/record_store.h"
#include "core/sheet_settings.h"
#include "io/data_file_writer.h"
#include "io/document_commands.h"
#include "support/temp_dir.h"

namespace vek::testing {

// Answers the file choosers from a script; an exhausted script cancels.
class ScriptedChooser : public FileChooser {
 public:
  std::optional<std::filesystem::path> ChooseOpenFile(const FileChooserRequest& r) override {
    openRequests.push_back(Copy(r));
    return Next(openAnswers);
  }
  std::optional<std::filesystem::path> ChooseSaveFile(const FileChooserRequest& r) override {
    saveRequests.push_back(Copy(r));
    return Next(saveAnswers);
  }
  std::vector<std::filesystem::path> ChooseOpenFiles(const FileChooserRequest& r) override {
    openManyRequests.push_back(Copy(r));
    if (openManyAnswers.empty()) return {};
    auto a = openManyAnswers.front();
    openManyAnswers.pop_front();
    return a;
  }
  struct Request {
    std::string filter;
    std::filesystem::path initialFolder;
    std::filesystem::path startName;
    bool overwritePrompt;
  };
  std::deque<std::optional<std::filesystem::path>> openAnswers, saveAnswers;
  std::vector<Request> openRequests, saveRequests, openManyRequests;
  std::deque<std::vector<std::filesystem::path>> openManyAnswers;

 private:
  static Request Copy(const FileChooserRequest& r) {
    return {std::string(r.filter), r.initialFolder, r.startName, r.overwritePrompt};
  }
  static std::optional<std::filesystem::path> Next(std::deque<std::optional<std::filesystem::path>>& q) {
    if (q.empty()) return std::nullopt;
    auto a = q.front();
    q.pop_front();
    return a;
  }
};

// A test record with `rows` steps (P rising by 100 kN/m², readings rising) and a few header fields.
inline RecordStore MakeTestRecord(int rows) {
  RecordStore s;
  s.test.Header(1) = Sjis("試験調査");
  s.test.Header(17) = "4.0";
  s.test.Header(18) = "60.0";
  s.test.Header(40) = "0";
  s.test.Header(41) = "2000";
  for (int i = 1; i <= rows; ++i) {
    s.test.Test(i, 1) = std::to_string(i * 100);
    s.test.Test(i, 2) = "0";
    for (int f = 3; f <= 6; ++f) s.test.Test(i, f) = std::to_string(5 + i * 2 + f);
  }
  return s;
}

inline RecordStore MakeCalRecord(int rows) {
  RecordStore s;
  s.calibration.Header(1) = Sjis("キャリブレーション");
  for (int i = 1; i <= rows; ++i) {
    s.calibration.Cal(i, 1) = std::to_string(i * 20);
    s.calibration.Cal(i, 2) = std::to_string(3 + i * 4);
  }
  return s;
}

inline std::filesystem::path WriteTestFileTo(const std::filesystem::path& p, int rows) {
  WriteFileBytes(p, WriteTestFile(MakeTestRecord(rows)));
  return p;
}

inline std::filesystem::path WriteCalFileTo(const std::filesystem::path& p, int rows) {
  WriteFileBytes(p, WriteCalibrationFile(MakeCalRecord(rows)));
  return p;
}

class FrameTest : public ::testing::Test {
 protected:
  // The frame as the window mode makes it, with the test's services and without a printer.
  CMainFrame& MakeFrame() {
    FrameServices services;
    services.sink = &sink;
    services.chooser = &chooser;
    services.recentFileSettings =
        std::make_unique<QSettings>(QString::fromStdString((home / "recent.ini").string()), QSettings::IniFormat);
    services.askSave = [this](QWidget*, const std::string& question) {
      saveQuestions.push_back(question);
      if (saveAnswers.empty()) return SaveChoice::Discard;
      const SaveChoice answer = saveAnswers.front();
      saveAnswers.pop_front();
      return answer;
    };
    frame = std::make_unique<CMainFrame>(store, settings, std::move(services));
    frame->View().Printing().SetPaperQuery([] { return std::optional<PrinterPage>(); });
    return *frame;
  }
  CMainFrame& StartNew() {
    MakeFrame().StartNewDocument();
    return *frame;
  }
  ViewState& View() { return frame->View().State(); }
  // Shows the window and lets it paint.
  void ShowAndPaint() {
    frame->show();
    QApplication::processEvents();
    QApplication::processEvents();
  }
  // Runs `trigger`, which opens a modal form, and closes the form with OK (accept) or Cancel as
  // soon as it shows. Returns the form's title (empty when no form opened).
  QString Closing(const std::function<void()>& trigger, bool accept) {
    QString title;
    QTimer::singleShot(0, [&] {
      auto* form = qobject_cast<QDialog*>(QApplication::activeModalWidget());
      if (!form) return;
      title = form->windowTitle();
      accept ? form->accept() : form->reject();
    });
    trigger();
    return title;
  }
  // How many times the page was painted because of `action` (the window must be shown).
  template <typename F>
  int PaintsAfter(F action) {
    QApplication::processEvents();
    const int before = frame->View().PaintCount();
    action();
    QApplication::processEvents();
    QApplication::processEvents();
    return frame->View().PaintCount() - before;
  }

  TempHome home;
  RecordStore store;
  SheetSettings settings;
  RecordingMessageSink sink;
  ScriptedChooser chooser;
  // "Save the changes?": the questions asked and the answers to give (Discard when none is left).
  std::vector<std::string> saveQuestions;
  std::deque<SaveChoice> saveAnswers;
  std::unique_ptr<CMainFrame> frame;
};

}  // namespace vek::testing
