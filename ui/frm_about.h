#pragma once

#include <QDialog>

#include "forms/about_layout.h"

namespace quorvel {

// The About box: title, version, description and a notice; OK closes and destroys it, System
// Info starts the platform's system-information tool.
class frmAbout : public QDialog {
  Q_OBJECT

 public:
  explicit frmAbout(QWidget* parent = nullptr);

  void StartSysInfo();

 protected:
  void done(int result) override;

 private:
  void Form_Load();
  void cmdSysInfo_Click();

  QWidget* create(const forms::AboutControl& row);
};

}  // namespace quorvel
