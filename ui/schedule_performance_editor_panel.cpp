// The controls of the results window's editor panel (Panel2) and their wiring.
#include <QAbstractItemModel>
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QMouseEvent>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>
#include <algorithm>

#include "engine/live_schedule.h"
#include "engine/undo_list.h"
#include "ui/named_controls.h"
#include "ui/schedule_performance_window.h"

namespace {

QComboBox* combo(QWidget* parent, const char* name, const char* accessible) {
  QComboBox* c = named(new QComboBox(parent), name);
  c->setAccessibleName(QString::fromLatin1(accessible));
  c->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
  c->setMinimumContentsLength(10);
  return c;
}

// A right click on a list opens its menu and leaves its selection alone: the
// selected job is the copy's source and the clicked one its target, and the
// sequence's selection is what the move buttons move.
class RightClickKeepsSelection : public QObject {
 public:
  using QObject::QObject;

 protected:
  bool eventFilter(QObject* watched, QEvent* e) override {
    if (e->type() == QEvent::MouseButtonPress || e->type() == QEvent::MouseButtonDblClick ||
        e->type() == QEvent::MouseButtonRelease)
      if (static_cast<QMouseEvent*>(e)->button() == Qt::RightButton) return true;
    return QObject::eventFilter(watched, e);
  }
};

}  // namespace

void TForm10::build_editor(QFrame* panel) {
  QWidget* p = panel;
  // The panel's row ends with the display's two switches; the editor's
  // columns go in front of them, in this order.
  auto* row = qobject_cast<QHBoxLayout*>(p->layout());
  if (!row) row = new QHBoxLayout(p);
  int at = 0;

  // Schedule buttons. All but "Close" sit in one box that a running search
  // disables as a whole; each keeps its own state ("Undo" after the oldest
  // entry) for when the box is enabled again.
  auto* buttons = new QVBoxLayout;
  EditorButtons = named(new QWidget(p), "EditorButtons");
  auto* editing = new QVBoxLayout(EditorButtons);
  editing->setContentsMargins(0, 0, 0, 0);
  QWidget* e = EditorButtons;
  Button1 = named_button("Button1", QStringLiteral("Modify schedule"), e);
  Button36 = named_button("Button36", QStringLiteral("Undo"), e);
  Button37 = named_button("Button37", QStringLiteral("Redo"), e);
  Button21 = named_button("Button21", QStringLiteral("Save Changes"), e);
  Button34 = named_button("Button34", QStringLiteral("Export "), e);
  Button35 = named_button("Button35", QStringLiteral("Inport"), e);
  Button39 = named_button("Button39", QStringLiteral("Release Schedule"), e);
  Button8 = named_button("Button8", QStringLiteral("Close"), p);
  Button36->setEnabled(false);
  Button37->setEnabled(false);
  Button21->setEnabled(false);
  auto* undo_redo = new QHBoxLayout;
  undo_redo->addWidget(Button36);
  undo_redo->addWidget(Button37);
  editing->addWidget(Button1);
  editing->addLayout(undo_redo);
  editing->addWidget(Button21);
  editing->addWidget(Button34);
  editing->addWidget(Button35);
  editing->addWidget(Button39);
  buttons->addWidget(EditorButtons);
  buttons->addStretch(1);
  buttons->addWidget(Button8);
  row->insertLayout(at++, buttons);

  // Route and machines of one job.
  auto* job_group = named(new QGroupBox(QStringLiteral("Change Assigned  Route and  Machines to Job"), p), "GroupBox2");
  auto* jg = new QGridLayout(job_group);
  ComboBox7 = combo(job_group, "ComboBox7", "Order");
  Button28 = named_button("Button28", QStringLiteral("Show Order"), job_group);
  CheckBox13 = named_check_box("CheckBox13", QStringLiteral("Auto show"), false, job_group);
  CheckBox13->setAccessibleName(QStringLiteral("Auto show Order"));
  ListBox2 = named(new QListWidget(job_group), "ListBox2");
  ListBox2->setAccessibleName(QStringLiteral("Jobs"));
  ListBox2->setContextMenuPolicy(Qt::CustomContextMenu);
  // Items of one height: a list of thousands of jobs is laid out at once.
  ListBox2->setUniformItemSizes(true);
  Button29 = named_button("Button29", QStringLiteral("Show Job"), job_group);
  CheckBox14 = named_check_box("CheckBox14", QStringLiteral("Auto show"), false, job_group);
  CheckBox14->setAccessibleName(QStringLiteral("Auto show Job"));
  auto* route_label = named(new QLabel(QStringLiteral("Execution Route"), job_group), "Label17");
  ComboBox2 = combo(job_group, "ComboBox2", "Execution Route");
  route_label->setBuddy(ComboBox2);
  Button23 = named_button("Button23", QStringLiteral("Show Assigned"), job_group);
  Button23->hide();
  jg->addWidget(ComboBox7, 0, 0);
  jg->addWidget(Button28, 0, 1);
  jg->addWidget(CheckBox13, 0, 2);
  jg->addWidget(ListBox2, 1, 0, 7, 1);
  jg->addWidget(Button29, 1, 1);
  jg->addWidget(CheckBox14, 1, 2);
  jg->addWidget(route_label, 2, 1);
  jg->addWidget(ComboBox2, 2, 2);
  static const char* const label_names[5] = {"", "Label18", "Label19", "Label20", "Label21"};
  static const char* const combo_names[5] = {"", "ComboBox3", "ComboBox4", "ComboBox5", "ComboBox6"};
  for (int k = 1; k <= 4; ++k) {
    StepLabel[k] = named(new QLabel(QStringLiteral("Step %1 ").arg(k), job_group), label_names[k]);
    StepCombo[k] = combo(job_group, combo_names[k], "");
    StepCombo[k]->setAccessibleName(QStringLiteral("Step %1").arg(k));
    StepLabel[k]->setBuddy(StepCombo[k]);
    StepLabel[k]->hide();
    StepCombo[k]->hide();
    jg->addWidget(StepLabel[k], 2 + k, 1);
    jg->addWidget(StepCombo[k], 2 + k, 2);
    connect(StepCombo[k], &QComboBox::currentIndexChanged, this, [this, k](int i) { StepComboChange(k, i); });
  }
  jg->addWidget(Button23, 7, 1);
  jg->setColumnStretch(0, 1);
  jg->setRowStretch(7, 1);
  row->insertWidget(at++, job_group, 3);

  // The job sequence of one machine.
  auto* seq_group = named(new QGroupBox(QStringLiteral("Change Job Sequence on Machine"), p), "GroupBox3");
  auto* sg = new QGridLayout(seq_group);
  ComboBox1 = combo(seq_group, "ComboBox1", "Machine");
  Button27 = named_button("Button27", QStringLiteral("Show Machine "), seq_group);
  CheckBox15 = named_check_box("CheckBox15", QStringLiteral("Auto show"), false, seq_group);
  CheckBox15->setAccessibleName(QStringLiteral("Auto show Machine"));
  CheckBox16 = named_check_box("CheckBox16", QStringLiteral("Information"), false, seq_group);
  ListBox1 = named(new QListWidget(seq_group), "ListBox1");
  ListBox1->setAccessibleName(QStringLiteral("Job sequence"));
  ListBox1->setSelectionMode(QAbstractItemView::ExtendedSelection);
  ListBox1->setContextMenuPolicy(Qt::CustomContextMenu);
  ListBox1->setUniformItemSizes(true);
  auto* move = named(new QGroupBox(QStringLiteral("Move"), seq_group), "GroupBox4");
  auto* mg = new QGridLayout(move);
  // The move buttons, in their tab order: name, caption, grid cell and
  // width ("Build batch" spans both columns), handler.
  struct MoveButton {
    QPushButton* TForm10::*field;
    const char* name;
    const char* caption;
    int row, column, columns;
    void (TForm10::*click)();
  };
  static const MoveButton move_buttons[] = {
      {&TForm10::Button22, "Button22", "Top", 0, 0, 1, &TForm10::Button22Click},
      {&TForm10::Button24, "Button24", "Bottom", 1, 0, 1, &TForm10::Button24Click},
      {&TForm10::Button17, "Button17", "Up", 0, 1, 1, &TForm10::Button17Click},
      {&TForm10::Button18, "Button18", "Down", 1, 1, 1, &TForm10::Button18Click},
      {&TForm10::Button19, "Button19", "Join", 2, 0, 1, &TForm10::Button19Click},
      {&TForm10::Button25, "Button25", "Sel. Order", 3, 0, 1, &TForm10::Button25Click},
      {&TForm10::Button26, "Button26", "Sel. Prod", 3, 1, 1, &TForm10::Button26Click},
      {&TForm10::Button20, "Button20", "Unselect", 2, 1, 1, &TForm10::Button20Click},
      {&TForm10::Button30, "Button30", "Build batch", 4, 0, 2, &TForm10::Button30Click},
  };
  for (const MoveButton& m : move_buttons) {
    QPushButton* b = named_button(m.name, QString::fromLatin1(m.caption), move);
    this->*m.field = b;
    mg->addWidget(b, m.row, m.column, 1, m.columns);
    connect(b, &QPushButton::clicked, this, m.click);
  }
  mg->setRowStretch(5, 1);
  // Moves are offered on a sequence shown, never on an empty list (before
  // "Modify schedule", or after the plan it showed was replaced).
  // The list's own model is asked: it also reports while the window is
  // being destroyed.
  const QAbstractItemModel* sequence_rows = ListBox1->model();
  const auto offer_moves = [sequence_rows, move] { move->setEnabled(sequence_rows->rowCount() > 0); };
  connect(sequence_rows, &QAbstractItemModel::rowsInserted, move, offer_moves);
  connect(sequence_rows, &QAbstractItemModel::rowsRemoved, move, offer_moves);
  connect(sequence_rows, &QAbstractItemModel::modelReset, move, offer_moves);
  offer_moves();
  sg->addWidget(ComboBox1, 0, 0);
  sg->addWidget(Button27, 0, 1);
  sg->addWidget(CheckBox15, 0, 2);
  sg->addWidget(CheckBox16, 0, 3);
  sg->addWidget(ListBox1, 1, 0);
  sg->addWidget(move, 1, 1, 1, 3);
  sg->setColumnStretch(0, 1);
  row->insertWidget(at++, seq_group, 3);

  for (QListWidget* list : {ListBox1, ListBox2})
    list->viewport()->installEventFilter(new RightClickKeepsSelection(list));

  // Context menus.
  PopupMenu1 = named(new QMenu(this), "PopupMenu1");
  PopupMenu1->addSection(QStringLiteral("No Jobs here!"));
  ShowDetailes1 = named(PopupMenu1->addAction(QStringLiteral("Show Detailes")), "ShowDetailes1");
  PopupMenu5 = named(new QMenu(this), "PopupMenu5");
  Copyassignement1 = named(PopupMenu5->addAction(QStringLiteral("Copy assignement")), "Copyassignement1");

  connect(Button1, &QPushButton::clicked, this, [this] { refill_editor_lists(); });
  connect(Button36, &QPushButton::clicked, this, &TForm10::Button36Click);
  connect(Button37, &QPushButton::clicked, this, &TForm10::Button37Click);
  connect(Button21, &QPushButton::clicked, this, &TForm10::Button21Click);
  connect(Button34, &QPushButton::clicked, this, &TForm10::Button34Click);
  connect(Button35, &QPushButton::clicked, this, &TForm10::Button35Click);
  connect(Button39, &QPushButton::clicked, this, &TForm10::Button39Click);
  connect(Button8, &QPushButton::clicked, this, &QWidget::close);
  connect(Button27, &QPushButton::clicked, this, &TForm10::Button27Click);
  connect(Button28, &QPushButton::clicked, this, &TForm10::Button28Click);
  connect(Button29, &QPushButton::clicked, this, &TForm10::Button29Click);
  for (QCheckBox* box : {CheckBox13, CheckBox14, CheckBox15})
    connect(box, &QCheckBox::toggled, this, [this, box](bool on) { auto_show_toggled(box, on); });
  connect(ComboBox1, &QComboBox::currentIndexChanged, this, &TForm10::ComboBox1Change);
  connect(ComboBox7, &QComboBox::currentIndexChanged, this, &TForm10::ComboBox7Change);
  connect(ComboBox2, &QComboBox::currentIndexChanged, this, &TForm10::ComboBox2Change);
  connect(ListBox2, &QListWidget::itemSelectionChanged, this, &TForm10::ListBox2Click);
  connect(Button23, &QPushButton::clicked, this, &TForm10::Button23Click);
  connect(ListBox1, &QWidget::customContextMenuRequested, this, &TForm10::PopupMenu1Popup);
  connect(ShowDetailes1, &QAction::triggered, this, &TForm10::ShowDetailes1Click);
  connect(ListBox2, &QWidget::customContextMenuRequested, this, &TForm10::PopupMenu5Popup);
  connect(Copyassignement1, &QAction::triggered, this, &TForm10::Copyassignement1Click);
}

void TForm10::hold_editor_for_search(bool hold) {
  search_holds = std::max(0, search_holds + (hold ? 1 : -1));
  update_editor_enabled();
}

void TForm10::update_editor_enabled() {
  const bool editable = search_holds == 0;
  for (const char* name : {"EditorButtons", "GroupBox2", "GroupBox3"})
    if (QWidget* w = findChild<QWidget*>(QLatin1String(name))) w->setEnabled(editable);
  // "Set focus" fills the editor's lists and may move a job's step.
  for (QAction* a : {Setfocus1, Setfocus2, Setfocus3})
    if (a) a->setEnabled(editable);
}

EditorHeldForSearch::EditorHeldForSearch() {
  if (Form10) Form10->hold_editor_for_search(true);
}

EditorHeldForSearch::~EditorHeldForSearch() {
  if (Form10) Form10->hold_editor_for_search(false);
}

void TForm10::editor_form_show() {
  Button36->setEnabled(false);
  Button37->setEnabled(false);
  undo_list = std::make_unique<UNDOLIST>(undo_max);
  kept_SCH.reset();
  if (last_SCH) {
    undo_list->push(*last_SCH);
    kept_SCH = std::make_unique<SCH>(*last_SCH);
  }
  clear_editor_lists();
}

void TForm10::clear_editor_lists() {
  for (QComboBox* c : {ComboBox1, ComboBox2, StepCombo[1], StepCombo[2], StepCombo[3], StepCombo[4], ComboBox7}) {
    const QSignalBlocker block(c);
    c->clear();
  }
  for (QListWidget* l : {ListBox1, ListBox2}) {
    const QSignalBlocker block(l);
    l->clear();
  }
  for (int k = 1; k <= 4; ++k) {
    StepLabel[k]->hide();
    StepCombo[k]->hide();
  }
  last_order_index = last_route_index = last_job = machine_index = -1;
  Button21->setEnabled(false);
}
