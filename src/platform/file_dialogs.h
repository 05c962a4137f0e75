// The file open and save dialogs behind an interface: the Qt dialogs in the
// program, a scripted fake in tests.  A filter is written as the program's
// texts write it, "Text files (*.txt)|*.txt": pairs of a caption and a
// pattern, separated by "|".
// Window thread only; the dialogs are modal.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace brilox {

struct FileDialogRequest {
  std::string title;
  std::string filter;
  std::string folder;  // where the dialog starts; empty for the default
};

class FileDialogs {
 public:
  virtual ~FileDialogs() = default;
  // The chosen path, or nothing when the operator cancelled.
  virtual std::optional<std::string> ChooseFileToSave(const FileDialogRequest& request) = 0;
  virtual std::optional<std::string> ChooseFileToOpen(const FileDialogRequest& request) = 0;
};

// Answers from a script (a path, or nothing for Cancel; Cancel when the
// script is empty) and records every request.
class ScriptedFileDialogs final : public FileDialogs {
 public:
  std::optional<std::string> ChooseFileToSave(const FileDialogRequest& request) override {
    return Answer(request);
  }
  std::optional<std::string> ChooseFileToOpen(const FileDialogRequest& request) override {
    return Answer(request);
  }
  void QueueAnswer(std::optional<std::string> path) { m_answers.push_back(std::move(path)); }
  const std::vector<FileDialogRequest>& requests() const { return m_requests; }

 private:
  std::optional<std::string> Answer(const FileDialogRequest& request) {
    m_requests.push_back(request);
    if (m_answers.empty()) return std::nullopt;
    std::optional<std::string> answer = std::move(m_answers.front());
    m_answers.erase(m_answers.begin());
    return answer;
  }
  std::vector<FileDialogRequest> m_requests;
  std::vector<std::optional<std::string>> m_answers;
};

// The folder part of `path` (everything before the last "/"), and the name
// after it.
std::string FolderOf(const std::string& path);
std::string FileNameOf(const std::string& path);

}  // namespace brilox
