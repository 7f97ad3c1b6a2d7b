#pragma once
// The schedule performance window: the live schedule's counts and values, job,
// machine and order Gantt charts with the initial-data overlay, machine
// utilisation, the EF figures, and in the lower panel the schedule editor.
//
// The display half (schedule_performance_window.cpp) draws last_SCH; the
// editor half (schedule_performance_editor.cpp) edits it and keeps the undo
// history. Both share the private state below.
#include <QDialog>
#include <QString>
#include <QStringList>
#include <memory>
#include <vector>

class PagedBarChart;
class PagedBarSeries;
class GanttChart;
class GanttSeries;
class JOB;
class MACHINE;
class ORDER;
class QCheckBox;
class QComboBox;
class QListWidget;
class QPoint;
class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;
class RowCheckList;
class QMenu;
class QAction;
class QPlainTextEdit;
class QPushButton;
class QSlider;
class QTabWidget;
class QWidget;
class SCH;
struct MachineLoads;
class SHOP;
class TUpDown;
class UNDOLIST;
struct SequenceItem;

class TForm10 : public QDialog {
  Q_OBJECT
 public:
  explicit TForm10(QWidget* parent = nullptr);
  ~TForm10() override;

  // The snapshot the initial-data overlay draws (not owned: the rescheduler
  // window or the rescheduling run keeps it alive); null gives back the
  // window's own empty snapshot.
  void set_initial_data_snapshot(SHOP* snapshot);

  // ---- Display: Gantt charts, utilisation, EF figures ----

  // Refreshes everything shown from last_SCH, last_obj_value, the problem
  // arrays and the overlay snapshot; fills no chart while "Show Gantt Charts"
  // is off.
  void show_sch_data();
  // Shows the window after a run made a new live schedule; a window already
  // open is renewed as showing it renews it (rows, editor history, charts),
  // so it never goes on showing the schedule the run replaced.
  void show_live_schedule();

  // Used by the editor's "Show Machine ", "Show Order" and "Show Job": switch
  // to the page and check only the named rows ("Mach_3"; "All Orders" checks
  // every order), then redraw.
  void show_machine_rows(const QString& machine_item);
  void show_order_rows(const QString& order_item);
  void show_job_rows(const QStringList& job_items);

  // The targets of the three "Set focus" menus, chosen with -1 for none.
  int focused_order() const { return focus_order; }
  int focused_machine() const { return focus_machine; }
  int focused_job() const { return focus_job; }

  // ---- Editor: schedule edits, undo history, schedule files ----

  // The renewals of the editor when the window is shown (history, kept copy,
  // route panel).
  void editor_form_show();
  // "Set focus" of the order, machine or job menu with a valid target.
  void set_focus_on_order(int o);
  void set_focus_on_machine(int m);
  void set_focus_on_job(int j);
  // The one recalculation path of every hand edit: write, time, evaluate,
  // redraw, record. Mode 1 writes ListBox1 back into the chosen machine first
  // and records; 0 records; 2 recalculates and shows only.
  void calc_obj_and_show_sch_data(int mode);
  // "Modify schedule": fills the machine, order and job lists.
  void refill_editor_lists();

  // Every way of closing (the "Close" button, the title bar, Escape) asks
  // about unsaved changes first (FormClose); a plain hide asks nothing.
  void reject() override;

  // The window shows only a live schedule of the loaded problem: asked to
  // show without one (no schedule yet, or one of a problem replaced or
  // released) it stays hidden, so that no road shows another problem's
  // counts, values or files.
  void setVisible(bool visible) override;
  // The loaded problem was replaced or released (a load, a closing): the
  // window goes, and the live schedule, even one of the same size, counts as
  // another problem's until a run, a starting schedule or a released plan
  // renews it. "Results" goes too: its report is of the same problem, and it
  // stays away until a run of the loaded problem clears it. Every road that
  // puts a problem away calls this one function for both windows.
  void problem_replaced();
  // A new live schedule was made for the loaded problem (show_live_schedule
  // says so itself). A window left open shows it at once as a showing does
  // (rows, charts, a new history, empty editor lists), so that no list or
  // choice of the editor goes on offering moves on the plan it replaced.
  void live_schedule_renewed();

  // A search is running from the first hold to the last release (see
  // EditorHeldForSearch): the editor's controls and the "Set focus" items are
  // disabled meanwhile.
  void hold_editor_for_search(bool hold);

 signals:
  // After the display refreshed from last_SCH.
  void schedule_shown();

 protected:
  void showEvent(QShowEvent* e) override;

 private:
  // ---- Display ----
  void build_display();
  QWidget* build_panel1();
  QWidget* build_gantt_page(GanttChart*& chart, RowCheckList*& list, const QString& list_name,
                            const char* const names[5], const QString& fourth_caption);
  QWidget* build_utilization_page();
  QWidget* build_display_switches();

  void FormShow();
  void fill_job_gantt(const SCH* sch, GanttSeries& series, const std::vector<JOB>& jobs,
                      const std::vector<ORDER>& orders, double offset);
  void fill_machine_gantt(const SCH* sch, GanttSeries& series, const std::vector<MACHINE>& machines,
                          const std::vector<JOB>& jobs, const std::vector<ORDER>& orders, bool overloaded,
                          double offset);
  void fill_order_gantt(const SCH* sch, GanttSeries& series, const std::vector<JOB>& jobs,
                        const std::vector<ORDER>& orders, double offset);
  void fill_utilization_chart(const SCH* sch, PagedBarSeries* s4, PagedBarSeries* s5, PagedBarSeries* s6,
                              PagedBarSeries* s7, double H, const std::vector<MACHINE>& machines);
  // The same from the machine loads of sch already summed (shared with the EF figures).
  void fill_utilization_chart(const SCH* sch, const MachineLoads& loads, PagedBarSeries* s4, PagedBarSeries* s5,
                              PagedBarSeries* s6, PagedBarSeries* s7, double H, const std::vector<MACHINE>& machines);
  bool overlay_shown() const;
  // last_SCH when it belongs to the loaded problem, else null: a live
  // schedule left from another problem is never drawn over this one's records.
  const SCH* live_schedule() const;
  void redraw_job_chart();
  void redraw_machine_chart(bool overloaded);
  void redraw_order_chart();
  void select_late(RowCheckList* list, bool jobs);
  // Empties the ten series of the four charts (on closing).
  void clear_chart_series();

  void CheckBox1Click();   // Marks visible
  void CheckBox2Click();   // View 3D
  void UpDown1Click();
  void Button2Click();     // Default values
  void PageControl1Change();
  void CheckBox3Click();   // Show detailes
  void CheckBox4Click();   // Show full
  void CheckBox17Click();  // Show initial data
  void hide_selection(QWidget* list_column, bool hide);
  void CheckBox6Click();   // Full Window
  void CheckBox9Click();   // Show Gantt Charts
  void CheckBox10Click();  // Show Messages
  void Button3Click();     // Select colors
  void Button31Click();    // Show Results
  void Button38Click();    // Show Input Data
  void CheckBox11Click();  // Auto Scales
  void CheckBox12Click();  // Show Pages
  void TrackBar1Change();
  void Button32Click();    // <<
  void Button33Click();    // >>
  std::vector<GanttSeries*> gantt_series();
  void build_menus();
  // Enables what the editor offers from the window's state: nothing while a
  // search runs.
  void update_editor_enabled();
  int search_holds = 0;
  bool schedule_of_problem = true;
  QWidget* EditorButtons = nullptr;  // the editor's schedule buttons, "Close" not among them
  // The initial data can be overlaid everywhere but in the scheduler window's work.
  bool rescheduling_mode() const;

  // ---- Private state of the window (display and editor) ----
  int machine_index = 0;
  int last_route_index = -1;
  int last_step_index[5] = {0, -1, -1, -1, -1};  // [1..4]
  int last_order_index = -1;
  int last_job = -1;
  bool show_messages = false;
  int popup_order = -1, popup_job = -1, popup_machine = -1;
  int focus_order = -1;
  int focus_machine = -1;
  int focus_job = -1;
  int copy_target_job = -1, copy_source_job = -1;
  std::unique_ptr<SCH> kept_SCH;
  std::unique_ptr<UNDOLIST> undo_list;
  int undo_max = 25;
  SHOP* shop = nullptr;
  std::unique_ptr<SHOP> own_shop;  // the empty snapshot shop points to by default

  // ---- Controls of the display ----
  QFrame* Panel1 = nullptr;
  QFrame* Panel2 = nullptr;  // the lower panel: the editor's controls and the two switches below
  QFrame* Panel3 = nullptr;
  QLineEdit *Edit1 = nullptr, *Edit2 = nullptr, *Edit3 = nullptr, *Edit4 = nullptr, *Edit5 = nullptr,
            *Edit6 = nullptr, *Edit7 = nullptr, *Edit8 = nullptr, *Edit9 = nullptr, *Edit10 = nullptr,
            *Edit11 = nullptr, *Edit12 = nullptr;
  QTabWidget* PageControl1 = nullptr;
  GanttChart *Chart1 = nullptr, *Chart2 = nullptr, *Chart3 = nullptr;
  PagedBarChart* Chart4 = nullptr;
  RowCheckList *CheckListBox1 = nullptr, *CheckListBox2 = nullptr, *CheckListBox3 = nullptr;
  QCheckBox *CheckBox1 = nullptr, *CheckBox2 = nullptr, *CheckBox3 = nullptr, *CheckBox4 = nullptr,
            *CheckBox5 = nullptr, *CheckBox6 = nullptr, *CheckBox7 = nullptr, *CheckBox8 = nullptr,
            *CheckBox9 = nullptr, *CheckBox10 = nullptr, *CheckBox11 = nullptr, *CheckBox12 = nullptr,
            *CheckBox17 = nullptr;
  TUpDown* UpDown1 = nullptr;
  QSlider* TrackBar1 = nullptr;
  QPushButton *Button2 = nullptr, *Button3 = nullptr, *Button31 = nullptr, *Button32 = nullptr,
              *Button33 = nullptr, *Button38 = nullptr;
  QPlainTextEdit* Memo1 = nullptr;
  QMenu *PopupMenu2 = nullptr, *PopupMenu3 = nullptr, *PopupMenu4 = nullptr;
  QAction *Setfocus1 = nullptr, *Setfocus2 = nullptr, *Setfocus3 = nullptr;

  // ---- Editor ----
  // Builds the editor's controls into the lower panel, whose horizontal
  // layout ends with the display's two switches: the editor's go before them.
  void build_editor(QFrame* panel);
  void FormClose();
  // Empties the machine, job sequence, order, job, route and step lists and
  // forgets the choices made in them: the editor shows the live schedule only
  // after "Modify schedule" (or a "Set focus") filled them from it.
  void clear_editor_lists();
  bool editor_has_schedule() const;
  bool history_fits_problem() const;
  // A message naming the operation, shown only with "Show Messages".
  void editor_message(const char* text);

  void ComboBox1Change(int index);
  void ComboBox7Change(int index);
  void ListBox2Click();
  void ComboBox2Change(int index);
  void StepComboChange(int k, int index);  // ComboBox3Change .. ComboBox6Change for route steps 1..4
  void Button23Click();                    // "Show Assigned"
  // The move buttons: read ListBox1, apply the move, write it back and
  // recalculate when anything moved.
  void move_sequence(const char* message, bool (*apply)(std::vector<SequenceItem>&));
  void Button17Click();  // "Up"
  void Button18Click();  // "Down"
  void Button22Click();  // "Top"
  void Button24Click();  // "Bottom"
  void Button19Click();  // "Join"
  void Button25Click();  // "Sel. Order"
  void Button26Click();  // "Sel. Prod"
  void Button20Click();  // "Unselect"
  void Button30Click();  // "Build batch"
  void Button36Click();  // "Undo"
  void Button37Click();  // "Redo"
  void Button21Click();  // "Save Changes"
  void Button34Click();  // "Export "
  void Button35Click();  // "Inport"
  void Button39Click();  // "Release Schedule"
  void Button27Click();  // "Show Machine "
  void Button28Click();  // "Show Order"
  void Button29Click();  // "Show Job"
  void auto_show_toggled(QCheckBox* box, bool checked);
  void PopupMenu1Popup(const QPoint& pos);
  void ShowDetailes1Click();
  void PopupMenu5Popup(const QPoint& pos);
  void Copyassignement1Click();

  std::vector<SequenceItem> read_sequence_list() const;
  std::vector<int> read_sequence_list_jobs() const;
  void write_sequence_list(const std::vector<SequenceItem>& seq);
  void load_machine_seq_to_listbox(int m);
  int selected_job() const;  // job of ListBox2's selected item, -1 none

  // ---- Controls of the editor (in Panel2) ----
  QPushButton *Button1 = nullptr, *Button8 = nullptr, *Button17 = nullptr, *Button18 = nullptr,
              *Button19 = nullptr, *Button20 = nullptr, *Button21 = nullptr, *Button22 = nullptr,
              *Button23 = nullptr, *Button24 = nullptr, *Button25 = nullptr, *Button26 = nullptr,
              *Button27 = nullptr, *Button28 = nullptr, *Button29 = nullptr, *Button30 = nullptr,
              *Button34 = nullptr, *Button35 = nullptr, *Button36 = nullptr, *Button37 = nullptr,
              *Button39 = nullptr;
  QComboBox *ComboBox1 = nullptr, *ComboBox2 = nullptr, *ComboBox7 = nullptr;
  QLabel* StepLabel[5] = {};     // Label18 .. Label21 for route steps 1..4
  QComboBox* StepCombo[5] = {};  // ComboBox3 .. ComboBox6 for route steps 1..4
  QCheckBox *CheckBox13 = nullptr, *CheckBox14 = nullptr, *CheckBox15 = nullptr, *CheckBox16 = nullptr;
  QListWidget *ListBox1 = nullptr, *ListBox2 = nullptr;
  QMenu *PopupMenu1 = nullptr, *PopupMenu5 = nullptr;
  QAction *ShowDetailes1 = nullptr, *Copyassignement1 = nullptr;
};

extern TForm10* Form10;

// Keeps the planner's hand edits waiting while a search runs: for its
// lifetime the editor of "Schedule Performance " is disabled. The run's result
// replaces the live schedule and its history at its end, so an edit made
// meanwhile would be lost without a word. Made by every window handler that
// starts a search.
class EditorHeldForSearch {
 public:
  EditorHeldForSearch();
  ~EditorHeldForSearch();
  EditorHeldForSearch(const EditorHeldForSearch&) = delete;
  EditorHeldForSearch& operator=(const EditorHeldForSearch&) = delete;
};
