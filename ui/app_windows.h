#pragma once
// Every window of the program, created in the fixed order with the main
// window first, each reachable through its global instance pointer (Form1 ..
// Form21) from creation until this set is destroyed. The windows live as long
// as the set: closing a window only hides it. The program holds one set for
// its whole run; window tests make one per test.
#include <memory>

class TForm1;
class TForm3;
class TForm6;
class TForm7;
class TForm9;
class TForm10;
class TForm11;
class TForm12;
class TForm13;
class TForm14;
class TForm15;
class TForm16;
class TForm17;
class TForm18;
class TForm19;
class TForm20;
class TForm21;

class AppWindows {
 public:
  AppWindows();
  ~AppWindows();
  AppWindows(const AppWindows&) = delete;
  AppWindows& operator=(const AppWindows&) = delete;

  TForm1& main_window() { return *form1_; }

 private:
  // TForm2, TForm4, TForm5 and TForm8 are never shown and hold nothing the
  // program reads, so they are not built.
  std::unique_ptr<TForm1> form1_;
  std::unique_ptr<TForm3> form3_;
  std::unique_ptr<TForm6> form6_;
  std::unique_ptr<TForm7> form7_;
  std::unique_ptr<TForm9> form9_;
  std::unique_ptr<TForm10> form10_;
  std::unique_ptr<TForm11> form11_;
  std::unique_ptr<TForm12> form12_;
  std::unique_ptr<TForm13> form13_;
  std::unique_ptr<TForm14> form14_;
  std::unique_ptr<TForm15> form15_;
  std::unique_ptr<TForm16> form16_;
  std::unique_ptr<TForm17> form17_;
  std::unique_ptr<TForm18> form18_;
  std::unique_ptr<TForm19> form19_;
  std::unique_ptr<TForm20> form20_;
  std::unique_ptr<TForm21> form21_;
};
