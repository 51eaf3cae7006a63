#include "app/toolbar_customize_dialog.h"

#include <QDialogButtonBox>
#include <QFileDialog>
#include <QGridLayout>
#include <QInputDialog>
#include <QLabel>
#include <QListWidget>
#include <QPixmap>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

#include "app/toolbar_icons.h"
#include "gui/message_boxes.h"

namespace rerore {

namespace {

constexpr int kCommandRole = Qt::UserRole;
// The lists' least sizes, in characters and lines of the dialog's font.
constexpr int kListLines = 16;
constexpr int kNameListChars = 32;
constexpr int kToolbarListChars = 16;

QListWidget* MakeList(QWidget* parent, int chars, const QString& tip, const QString& whatsThis) {
  auto* list = new QListWidget(parent);
  list->setIconSize(QSize(kButtonWidth, kButtonHeight));
  const QFontMetrics metrics = list->fontMetrics();
  list->setMinimumSize(metrics.averageCharWidth() * chars, metrics.lineSpacing() * kListLines);
  list->setToolTip(tip);
  list->setWhatsThis(whatsThis);
  return list;
}

// Names without a picture line up with those that have one.
QIcon OrBlank(const QIcon& icon) {
  if (!icon.isNull()) return icon;
  QPixmap blank(kButtonWidth, kButtonHeight);
  blank.fill(Qt::transparent);
  return QIcon(blank);
}

QPushButton* MakeButton(QBoxLayout* column, const QString& text, const QString& tip,
                        const QString& whatsThis) {
  auto* button = new QPushButton(text);
  button->setAutoDefault(false);
  button->setToolTip(tip);
  button->setWhatsThis(whatsThis);
  column->addWidget(button);
  return button;
}

QLabel* Heading(const QString& text, QWidget* buddy) {
  auto* label = new QLabel(text);
  label->setBuddy(buddy);
  return label;
}

}  // namespace

ToolbarCustomizeDialog::ToolbarCustomizeDialog(ToolbarLayout layout, QList<CommandEntry> commands,
                                               UserMessages& messages, QWidget* parent)
    : QDialog(parent),
      layout_(std::move(layout)),
      known_(std::move(commands)),
      messages_(messages) {
  setWindowTitle(tr("Anpassen"));
  std::sort(known_.begin(), known_.end(), [](const CommandEntry& a, const CommandEntry& b) {
    return a.name.compare(b.name, Qt::CaseInsensitive) < 0;
  });
  createButtons(createLists());
  new QListWidgetItem(OrBlank(QIcon()), tr("(Separator)"), commands_);
  commands_->item(0)->setData(kCommandRole, kSeparatorButton);
  for (const CommandEntry& command : known_)
    new QListWidgetItem(OrBlank(command.icon), command.name, commands_);
  for (int row = 1; row < commands_->count(); ++row)
    commands_->item(row)->setData(kCommandRole, known_[row - 1].id);
  commands_->setCurrentRow(0);
  connect(toolbars_, &QListWidget::currentRowChanged, this, [this] { showButtons(0); });
  connect(commands_, &QListWidget::currentRowChanged, this, &ToolbarCustomizeDialog::updateStates);
  connect(buttons_, &QListWidget::currentRowChanged, this, &ToolbarCustomizeDialog::updateStates);
  connect(commands_, &QListWidget::itemDoubleClicked, this, &ToolbarCustomizeDialog::addCommand);
  showToolbars(0);
}

QGridLayout* ToolbarCustomizeDialog::createLists() {
  toolbars_ = MakeList(this, kToolbarListChars, tr("The toolbars of the window"),
                       tr("<b>Toolbars</b>: the toolbar \"Standard\" and the toolbars you made. "
                          "Choose one to see and change its buttons on the right."));
  commands_ = MakeList(this, kNameListChars, tr("Every command a button can carry"),
                       tr("<b>Commands</b>: every command of the program, also those without a "
                          "menu item, by name. <b>Add &gt;</b> or a double click puts the chosen "
                          "one on the toolbar, after the chosen button."));
  buttons_ = MakeList(this, kNameListChars, tr("The buttons of the chosen toolbar, from the left"),
                      tr("<b>Buttons</b>: the buttons of the chosen toolbar in their order from "
                         "the left (from the top when it stands upright)."));
  auto* grid = new QGridLayout(this);
  grid->addWidget(Heading(tr("&Toolbars:"), toolbars_), 0, 0);
  grid->addWidget(Heading(tr("&Commands:"), commands_), 0, 2);
  grid->addWidget(Heading(tr("&Buttons:"), buttons_), 0, 4);
  grid->addWidget(toolbars_, 1, 0);
  grid->addWidget(commands_, 1, 2);
  grid->addWidget(buttons_, 1, 4);
  auto* box = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  connect(box, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(box, &QDialogButtonBox::rejected, this, &QDialog::reject);
  grid->addWidget(box, 2, 0, 1, 6);
  return grid;
}

void ToolbarCustomizeDialog::createButtons(QGridLayout* grid) {
  QVBoxLayout* columns[3] = {new QVBoxLayout, new QVBoxLayout, new QVBoxLayout};
  for (int i = 0; i < 3; ++i) grid->addLayout(columns[i], 1, 2 * i + 1);
  auto* create =
      MakeButton(columns[0], tr("&New..."), tr("Make a toolbar of your own"),
                 tr("<b>New...</b>: asks for a name and makes an empty toolbar of that name; "
                    "put commands on it with <b>Add &gt;</b>."));
  rename_ = MakeButton(columns[0], tr("&Rename..."), tr("Give the chosen toolbar another name"),
                       tr("<b>Rename...</b>: a new name for the chosen toolbar. The toolbar "
                          "\"Standard\" keeps its name."));
  delete_ = MakeButton(columns[0], tr("&Delete"), tr("Delete the chosen toolbar"),
                       tr("<b>Delete</b>: takes the chosen toolbar away with its buttons. The "
                          "toolbar \"Standard\" cannot be deleted."));
  add_ = MakeButton(columns[1], tr("&Add >"), tr("Put the chosen command on the toolbar"),
                    tr("<b>Add &gt;</b>: puts the chosen command on the chosen toolbar, after "
                       "the chosen button (at the end when none is chosen)."));
  remove_ = MakeButton(columns[2], tr("Re&move"), tr("Take the chosen button off the toolbar"),
                       tr("<b>Remove</b>: takes the chosen button off the toolbar; the command "
                          "stays in the list and can be put back."));
  up_ = MakeButton(columns[2], tr("&Up"), tr("Move the chosen button to the left"),
                   tr("<b>Up</b>: moves the chosen button one place to the left."));
  down_ = MakeButton(columns[2], tr("Do&wn"), tr("Move the chosen button to the right"),
                     tr("<b>Down</b>: moves the chosen button one place to the right."));
  image_ = MakeButton(columns[2], tr("&Image..."), tr("Give the command a picture of your own"),
                      tr("<b>Image...</b>: choose a PNG or BMP file; its picture becomes the "
                         "image of the chosen command's buttons on every toolbar. The picture "
                         "is kept with the settings, so the file may be moved or deleted."));
  resetImage_ = MakeButton(columns[2], tr("Reset image"), tr("Show the standard picture again"),
                           tr("<b>Reset image</b>: the command's buttons show their standard "
                              "picture again (or their name, when they have none)."));
  for (QVBoxLayout* column : columns) column->addStretch();
  connect(create, &QPushButton::clicked, this, &ToolbarCustomizeDialog::newToolbar);
  connect(rename_, &QPushButton::clicked, this, &ToolbarCustomizeDialog::renameToolbar);
  connect(delete_, &QPushButton::clicked, this, &ToolbarCustomizeDialog::deleteToolbar);
  connect(add_, &QPushButton::clicked, this, &ToolbarCustomizeDialog::addCommand);
  connect(remove_, &QPushButton::clicked, this, &ToolbarCustomizeDialog::removeButton);
  connect(up_, &QPushButton::clicked, this, [this] { moveButton(-1); });
  connect(down_, &QPushButton::clicked, this, [this] { moveButton(1); });
  connect(image_, &QPushButton::clicked, this, &ToolbarCustomizeDialog::chooseImage);
  connect(resetImage_, &QPushButton::clicked, this, &ToolbarCustomizeDialog::resetImage);
}

ToolbarSetup* ToolbarCustomizeDialog::chosenToolbar() {
  const int row = toolbars_->currentRow();
  return row < 0 || row >= layout_.toolbars.size() ? nullptr : &layout_.toolbars[row];
}

int ToolbarCustomizeDialog::chosenCommand() const {
  const QListWidgetItem* item = buttons_->currentItem();
  return item ? item->data(kCommandRole).toInt() : -1;
}

QString ToolbarCustomizeDialog::nameOf(int id) const {
  if (id == kSeparatorButton) return tr("(Separator)");
  for (const CommandEntry& command : known_)
    if (command.id == id) return command.name;
  return tr("Command %1").arg(id);
}

QIcon ToolbarCustomizeDialog::iconOf(int id) const {
  QPixmap picture;
  if (picture.loadFromData(layout_.images.value(id), "PNG")) return QIcon(picture);
  for (const CommandEntry& command : known_)
    if (command.id == id) return command.icon;
  return QIcon();
}

void ToolbarCustomizeDialog::showToolbars(int row) {
  const QSignalBlocker quiet(toolbars_);
  toolbars_->clear();
  for (const ToolbarSetup& toolbar : layout_.toolbars) toolbars_->addItem(toolbar.title);
  toolbars_->setCurrentRow(std::clamp(row, 0, toolbars_->count() - 1));
  showButtons(0);
}

void ToolbarCustomizeDialog::showButtons(int row) {
  const QSignalBlocker quiet(buttons_);
  buttons_->clear();
  if (const ToolbarSetup* toolbar = chosenToolbar()) {
    for (int id : toolbar->commands) {
      auto* item = new QListWidgetItem(OrBlank(iconOf(id)), nameOf(id), buttons_);
      item->setData(kCommandRole, id);
    }
  }
  if (buttons_->count() > 0) buttons_->setCurrentRow(std::clamp(row, 0, buttons_->count() - 1));
  updateStates();
}

void ToolbarCustomizeDialog::updateStates() {
  const ToolbarSetup* toolbar = chosenToolbar();
  const bool own = toolbar && !IsStandardToolbar(*toolbar);
  const int row = buttons_->currentRow();
  const int id = chosenCommand();
  rename_->setEnabled(own);
  delete_->setEnabled(own);
  add_->setEnabled(toolbar && commands_->currentItem());
  remove_->setEnabled(row >= 0);
  up_->setEnabled(row > 0);
  down_->setEnabled(row >= 0 && row + 1 < buttons_->count());
  image_->setEnabled(id > kSeparatorButton);
  resetImage_->setEnabled(layout_.images.contains(id));
}

std::optional<QString> ToolbarCustomizeDialog::askName(const QString& title,
                                                       const QString& current) {
  bool ok = false;
  const QString name = QInputDialog::getText(this, title, tr("Name of the toolbar:"),
                                             QLineEdit::Normal, current, &ok)
                           .trimmed();
  if (!ok || name.isEmpty() || name == current) return std::nullopt;
  for (const ToolbarSetup& toolbar : layout_.toolbars) {
    if (toolbar.title.compare(name, Qt::CaseInsensitive) == 0) {
      messages_.message("A toolbar named \"" + ToAnsi(name) + "\" exists already", "Error",
                        MessageIcon::Stop);
      return std::nullopt;
    }
  }
  return name;
}

void ToolbarCustomizeDialog::newToolbar() {
  if (layout_.toolbars.size() > kMaxUserToolbars) {
    messages_.message(Format("Too many toolbars, max = %i", kMaxUserToolbars), "Error",
                      MessageIcon::Stop);
    return;
  }
  const std::optional<QString> name = askName(tr("New toolbar"), QString());
  if (!name) return;
  layout_.toolbars.append({FreeToolbarObjectName(layout_), *name, {}});
  showToolbars(static_cast<int>(layout_.toolbars.size()) - 1);
}

void ToolbarCustomizeDialog::renameToolbar() {
  ToolbarSetup* toolbar = chosenToolbar();
  if (!toolbar || IsStandardToolbar(*toolbar)) return;
  if (const std::optional<QString> name = askName(tr("Rename toolbar"), toolbar->title)) {
    toolbar->title = *name;
    showToolbars(toolbars_->currentRow());
  }
}

void ToolbarCustomizeDialog::deleteToolbar() {
  const ToolbarSetup* toolbar = chosenToolbar();
  if (!toolbar || IsStandardToolbar(*toolbar)) return;
  const int row = toolbars_->currentRow();
  layout_.toolbars.removeAt(row);
  showToolbars(row - 1);
}

void ToolbarCustomizeDialog::addCommand() {
  ToolbarSetup* toolbar = chosenToolbar();
  const QListWidgetItem* command = commands_->currentItem();
  if (!toolbar || !command) return;
  const int row = buttons_->currentRow();
  const int place = row < 0 ? buttons_->count() : row + 1;
  toolbar->commands.insert(place, command->data(kCommandRole).toInt());
  showButtons(place);
}

void ToolbarCustomizeDialog::removeButton() {
  ToolbarSetup* toolbar = chosenToolbar();
  const int row = buttons_->currentRow();
  if (!toolbar || row < 0) return;
  toolbar->commands.removeAt(row);
  showButtons(row);
}

void ToolbarCustomizeDialog::moveButton(int step) {
  ToolbarSetup* toolbar = chosenToolbar();
  const int row = buttons_->currentRow();
  const int to = row + step;
  if (!toolbar || row < 0 || to < 0 || to >= toolbar->commands.size()) return;
  toolbar->commands.swapItemsAt(row, to);
  showButtons(to);
}

void ToolbarCustomizeDialog::chooseImage() {
  const int id = chosenCommand();
  if (id <= kSeparatorButton) return;
  QFileDialog browser(this, tr("Image of the button"), QString(),
                      tr("Images (*.png *.bmp);;All files (*)"));
  browser.setFileMode(QFileDialog::ExistingFile);
  browser.setOption(QFileDialog::DontUseNativeDialog);
  if (browser.exec() != QDialog::Accepted || browser.selectedFiles().isEmpty()) return;
  const QString path = browser.selectedFiles().constFirst();
  const QByteArray picture = LoadButtonImage(path);
  if (picture.isEmpty()) {
    messages_.message("The file " + ToAnsi(path) + " holds no picture: choose a PNG or BMP file",
                      "Error", MessageIcon::Stop);
    return;
  }
  layout_.images.insert(id, picture);
  showButtons(buttons_->currentRow());
}

void ToolbarCustomizeDialog::resetImage() {
  layout_.images.remove(chosenCommand());
  showButtons(buttons_->currentRow());
}

}  // namespace rerore
