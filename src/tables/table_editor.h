// The table editor of the table dialogs: a grid of text cells with a fixed
// header row and label column, an in-place editor that reopens on the next
// cell so that values follow one another from the keyboard, key commands
// for moving, copying and inserting or deleting lines, the Return-key
// completions of the particular tables, printing and list files. The
// dialog that owns the editor tells it what table it is and which
// characters each column keeps; the editor tells of every change by
// `changed`.
#pragma once

#include <QAbstractScrollArea>
#include <functional>
#include <vector>

#include "commands/cell_table.h"
#include "gui/printed_pages.h"
#include "tables/cell_filter.h"
#include "tables/table_cell.h"

class QHelpEvent;
class QPrinter;

namespace rerore {

class CellEditor;
class CellTip;
class UserMessages;

// What a table is: it selects the completion of the Return key and
// whether a click on a row label marks the row's point in the view.
enum class TableKind {
  Plain,
  Materials,       // the modulus of a concrete class; marks points
  CrossSections,   // area and inertia of the rectangle
  Nodes,           // marks points
  Elements,        // the usual flags, the chain of elements; marks points
  Storeys,         // the frame generator's storeys
  ContinuousBeam,  // spans of equal length
};

class TableEditor : public QAbstractScrollArea {
  Q_OBJECT
 public:
  explicit TableEditor(QWidget* parent = nullptr);
  ~TableEditor() override;

  // Shape.
  void setRowCount(int rows);
  void setColumnCount(int columns);
  void setFixedRowCount(int rows);
  void setFixedColumnCount(int columns);
  int rowCount() const { return rows_; }
  int columnCount() const { return columns_; }

  // What the table is, and the characters each column keeps (CellClass::Any
  // for a column not given).
  void setKind(TableKind kind) { kind_ = kind; }
  TableKind kind() const { return kind_; }
  void setColumnClasses(std::vector<CellClass> classes) { columnClasses_ = std::move(classes); }
  CellClass columnClass(int column) const;
  // What's This of a column: what it holds, its unit and the values it
  // takes, shown for any of its cells (header included) in What's This mode.
  void setColumnWhatsThis(int column, const QString& text);
  QString columnWhatsThis(int column) const;

  // Cells.
  void setItemText(int row, int column, const QString& text);
  QString getItemText(int row, int column) const;
  void setItemReadOnly(int row, int column, bool readOnly);
  void setItemToolTip(int row, int column, const QString& toolTip);
  QString itemToolTip(int row, int column) const;
  void setColumnWidth(int column, int pixels);
  int getColumnWidth(int column) const;
  int defaultColumnWidth() const;
  int rowHeight() const { return rowHeight_; }
  // Copies all texts out: the plain form the table logic works on.
  CellTable cellTexts() const;

  // Focus, selection and editing.
  void setFocusCell(int row, int column);
  int focusRow() const { return focusRow_; }
  int focusColumn() const { return focusColumn_; }
  bool isValidFocus(int row, int column) const;
  void editCell(int row, int column);
  bool isEditing() const { return editRow_ >= 0; }
  // Takes the open editor's text into its cell, as when it loses the focus.
  void finishEditing() { endEdit(0, Qt::NoModifier); }
  CellEditor* inPlaceEdit() const { return editor_; }
  CellRange selection() const { return selection_; }
  void setSelection(const CellRange& range);
  void selectAll();
  bool modified() const { return modified_; }
  // The materials completion: the first table of moduli or the second, and
  // where the current concrete class used last is remembered (by the
  // editor itself when not set).
  void setConcreteModuli(bool secondTable, int& lastConcreteClass) {
    secondModulusTable_ = secondTable;
    lastConcreteClass_ = &lastConcreteClass;
  }

  // Printing: rows 0..printRowLimit - 1 that exist, page by page.
  void setPrintRowLimit(int limit) { printRowLimit_ = limit; }
  // The heading over every printed page (none when empty).
  void setPrintHeading(const PageHeading& heading) { printHeading_ = heading; }
  int printRowLimit() const { return printRowLimit_; }
  // One more than the first data row whose column 1 is empty.
  int firstEmptyRowLimit() const;
  void print(QPrinter& printer);
  // The page loop on any paint device; `newPage` starts the next page.
  void printPages(QPainter& painter, const QRect& page, const std::function<void()>& newPage);

  // List files: comma-separated lines, the header row first.
  bool saveList(const QString& path);
  bool loadList(const QString& path);
  // Where the file errors go; message boxes when not set.
  void setMessages(UserMessages* messages) { messages_ = messages; }

  // Cell geometry in viewport coordinates (null when scrolled out of view).
  QRect cellRect(int row, int column) const;
  bool cellAt(const QPoint& point, int& row, int& column) const;

 signals:
  // A click on the label of a data row in the elements, materials and
  // nodes tables: the point of columns 1 and 2 of that row.
  void pointMarked(float x, float y);
  // Every key the editor handles while a cell has the focus (typing in the
  // in-place editor included), and a loaded list file.
  void changed();

 protected:
  bool event(QEvent* event) override;
  bool viewportEvent(QEvent* event) override;
  void paintEvent(QPaintEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void scrollContentsBy(int dx, int dy) override;

 private:
  // Cells and geometry (table_editor.cpp).
  TableCell& cell(int row, int column);
  const TableCell& cell(int row, int column) const;
  bool isCell(int row, int column) const;
  int firstRow() const { return fixedRows_; }
  int firstColumn() const { return fixedColumns_; }
  int lastRow() const { return rows_ - 1; }
  int lastColumn() const { return columns_ - 1; }
  int fixedHeight() const;
  int fixedWidth() const;
  int topRow() const;
  int leftColumn() const;
  int visibleRowCount() const;
  int columnX(int column) const;
  void resizeCells();
  void updateScrollBars();
  void ensureVisible(int row, int column);
  void moveFocus(int row, int column);
  void paintCell(QPainter& painter, int row, int column, const QRect& rect);
  void showTip(const QPoint& position);
  bool explainColumnAt(QHelpEvent* help);

  // Editing and key commands (table_editor_keys.cpp).
  void startTyping(const QString& text);
  void endEdit(int key, Qt::KeyboardModifiers modifiers);
  bool handleKeyCommand(int key, Qt::KeyboardModifiers modifiers);
  bool handleControlKey(int key);
  void moveByArrow(int key);
  void moveByTab(bool backward);
  void movePage(bool down);
  void moveHomeEnd(bool end);
  void copyDownward();
  void copyRight();
  void copyLeft();

  // Return and its completions (table_editor_completions.cpp).
  void pressReturn();
  void completeMaterial(int row, int column);
  void completeSection(int row, int column);
  bool completeElement(int row, int column);
  void completeContinuousBeam(int row);
  void setCompletedText(int row, int column, const QString& text);

  // Clipboard and lines (table_editor_clipboard.cpp).
  QString blockText(const CellRange& range) const;
  void clearBlock(const CellRange& range);
  void pasteBlock(const QString& text, int row, int column);
  CellRange selectionOrFocus() const;
  void copySelection();
  void cutSelection();
  void pasteClipboard();
  void insertLine();
  void deleteLine();
  void moveRows(int fromRow, int toRow, int offset);

  // Row labels (table_editor.cpp).
  void clickRowLabel(int row);

  void reportError(const QString& text);

  int rows_ = 0;
  int columns_ = 0;
  int fixedRows_ = 0;
  int fixedColumns_ = 0;
  std::vector<TableCell> cells_;
  std::vector<int> columnWidths_;
  int rowHeight_;
  int focusRow_ = -1;
  int focusColumn_ = -1;
  CellRange selection_;
  CellRange dragAnchor_;
  int editRow_ = -1;
  int editColumn_ = -1;
  QString textBeforeEdit_;
  bool modified_ = false;
  TableKind kind_ = TableKind::Plain;
  std::vector<CellClass> columnClasses_;
  std::vector<QString> columnHelp_;
  bool secondModulusTable_ = false;
  int ownLastConcreteClass_ = 0;
  int* lastConcreteClass_ = &ownLastConcreteClass_;
  int printRowLimit_ = 0;
  PageHeading printHeading_;
  CellEditor* editor_;
  CellTip* titleTip_;
  UserMessages* messages_ = nullptr;
};

}  // namespace rerore
