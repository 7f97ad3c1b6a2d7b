#include "ui/app_windows.h"

#include "ui/about_box.h"
#include "ui/colors_window.h"
#include "ui/data_dump_window.h"
#include "ui/dialog_owner.h"
#include "ui/generator_window.h"
#include "ui/initializing_window.h"
#include "ui/input_checking_window.h"
#include "ui/input_data_window.h"
#include "ui/main_window.h"
#include "ui/more_objectives_window.h"
#include "ui/objective_priority_window.h"
#include "ui/operator_priority_window.h"
#include "ui/processing_window.h"
#include "ui/progress_window.h"
#include "ui/rescheduler_window.h"
#include "ui/results_window.h"
#include "ui/schedule_performance_window.h"
#include "ui/scheduler_window.h"
#include "ui/window_placement.h"

namespace {
// Creates a window and publishes it through its global pointer at once, so
// that a later window's constructor can already reach the earlier ones.
// Every window but the main one belongs to the main window.
template <class Form>
void create(std::unique_ptr<Form>& owner, Form*& global) {
  owner = std::make_unique<Form>();
  global = owner.get();
  if (static_cast<QWidget*>(global) == Form1) return;
  own_by_main_window(global);
  keep_where_moved(global);
}

template <class Form>
void destroy(std::unique_ptr<Form>& owner, Form*& global) {
  global = nullptr;
  owner.reset();
}
}  // namespace

AppWindows::AppWindows() {
  create(form1_, Form1);
  create(form3_, Form3);
  create(form6_, Form6);
  create(form7_, Form7);
  create(form9_, Form9);
  create(form10_, Form10);
  create(form11_, Form11);
  create(form12_, Form12);
  create(form13_, Form13);
  create(form14_, Form14);
  create(form15_, Form15);
  create(form16_, Form16);
  create(form17_, Form17);
  create(form18_, Form18);
  create(form19_, Form19);
  create(form20_, Form20);
  create(form21_, Form21);
}

// In reverse order of creation, each pointer cleared before its window goes.
AppWindows::~AppWindows() {
  destroy(form21_, Form21);
  destroy(form20_, Form20);
  destroy(form19_, Form19);
  destroy(form18_, Form18);
  destroy(form17_, Form17);
  destroy(form16_, Form16);
  destroy(form15_, Form15);
  destroy(form14_, Form14);
  destroy(form13_, Form13);
  destroy(form12_, Form12);
  destroy(form11_, Form11);
  destroy(form10_, Form10);
  destroy(form9_, Form9);
  destroy(form7_, Form7);
  destroy(form6_, Form6);
  destroy(form3_, Form3);
  destroy(form1_, Form1);
}
