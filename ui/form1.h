#pragma once

#include <QPointer>
#include <QWidget>

#include "forms/window_life.h"
#include "sheet/address_sheet.h"

namespace quorvel {

class SheetBinding;
class frmAbout;

// The main window: every sheet field as a text box at its place, the labels and separator marks
// between them, and the three buttons. It computes nothing; the binding keeps it in step with
// the sheet it owns.
class Form1 : public QWidget {
  Q_OBJECT

 public:
  explicit Form1(QWidget* parent = nullptr);
  ~Form1() override;

  [[nodiscard]] const AddressSheet& sheet() const { return sheet_; }

 protected:
  void showEvent(QShowEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  void createFields();
  void createLabels();
  void createButtons();
  void orderTabs();

  void exitProgram();
  void showAbout();
  void lifeStep(forms::WindowLife::Step step);

  AddressSheet sheet_;
  SheetBinding* binding_;
  forms::WindowLife life_;
  QPointer<frmAbout> about_;
  bool entered_ = false;
};

}  // namespace quorvel
