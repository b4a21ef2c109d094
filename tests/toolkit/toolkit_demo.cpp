// A window of the toolkit for eyes: the skin's demo layout, built from the archive embedded in
// this program. scripts/screenshot starts it and photographs the screen.
//   toolkit_demo.exe [--exit-after <ms>] [--page <n>]
#include <windows.h>

#include <cstdlib>
#include <cstring>

#include "GifAnim.h"
#include "LayoutBuilder.h"
#include "List.h"
#include "Option.h"
#include "Progress.h"
#include "SkinWindow.h"
#include "Skin_win.h"
#include "TabLayout.h"

namespace {

class CDemoWindow : public CSkinWindow {
 protected:
  const char* GetWindowClassName() const override { return "UIToolkitDemoWnd"; }
  std::string GetSkinFile() const override { return "demo.xml"; }

  void Notify(UiNotification& msg) override {
    const std::string name = msg.sender ? msg.sender->GetName() : "";
    if (msg.type == "click") {
      if (name == "closebtn") Close(1);
      else if (name == "minbtn") SendMessage(WM_SYSCOMMAND, SC_MINIMIZE);
      else if (name == "maxbtn") SendMessage(WM_SYSCOMMAND, SC_MAXIMIZE);
      else if (name == "restorebtn") SendMessage(WM_SYSCOMMAND, SC_RESTORE);
      else if (name == "btn_ok") Advance(10);
      else if (name == "btn_cancel") Advance(-10);
      else if (name == "btn_movefile") RemoveRow(msg.sender);
    } else if (msg.type == "selectchanged") {
      if (name == "opt_page0") ShowPage(0);
      else if (name == "opt_page1") ShowPage(1);
      else if (name == "opt_page2") ShowPage(2);
    }
  }

  LRESULT HandleCustomMessage(UINT msg, WPARAM, LPARAM, bool& handled) override {
    if (msg == WM_DESTROY) PostQuitMessage(0);
    handled = false;
    return 0;
  }

  void InitWindow() override { FillList(); }

  void OnFinalMessage(HWND wnd) override {
    CSkinWindow::OnFinalMessage(wnd);
    delete this;
  }

 public:
  void ShowPage(int page) {
    if (auto* tab = dynamic_cast<CTabLayout*>(m_pm.FindControl("tab_demo"))) tab->SelectItem(page);
    const std::string option = "opt_page" + std::to_string(page);
    if (auto* opt = dynamic_cast<COption*>(m_pm.FindControl(option))) opt->Selected(true, false);
    if (auto* gif = dynamic_cast<CGifAnim*>(m_pm.FindControl("gif_busy"))) gif->Play();
  }

 private:
  // Rows from their own layout, as the work lists have them.
  void FillList() {
    auto* list = dynamic_cast<CList*>(m_pm.FindControl("list_demo"));
    if (!list) return;
    for (int i = 1; i <= 200; ++i) {
      std::unique_ptr<CControl> row = BuildLayout("demo_listitem.xml", &m_pm);
      if (!row) return;
      m_pm.FindSubControl(row.get(), "id")->SetText(std::to_string(i));
      m_pm.FindSubControl(row.get(), "filename")->SetText("第" + std::to_string(i) + "季度报告.pdf");
      auto* progress = dynamic_cast<CProgress*>(m_pm.FindSubControl(row.get(), "progress"));
      progress->SetValue(i * 7 % 101);
      progress->SetText(std::to_string(progress->GetValue()) + "%");
      list->Add(std::move(row));
    }
  }

  // The row of a row's button is the button's grandparent: button, cell, row.
  void RemoveRow(CControl* button) {
    auto* list = dynamic_cast<CList*>(m_pm.FindControl("list_demo"));
    if (list && button->GetParent()) list->Remove(button->GetParent()->GetParent());
  }

  void Advance(int step) {
    auto* bar = dynamic_cast<CProgress*>(m_pm.FindControl("progress"));
    if (!bar) return;
    bar->SetValue(bar->GetValue() + step);
    bar->SetText(std::to_string(bar->GetValue()) + "%");
  }
};

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
  int exitAfter = 0, page = 0;
  for (int i = 1; i + 1 < __argc; ++i) {
    if (!std::strcmp(__argv[i], "--exit-after")) exitAfter = std::atoi(__argv[i + 1]);
    if (!std::strcmp(__argv[i], "--page")) page = std::atoi(__argv[i + 1]);
  }
  skin::SetInstance(instance);
  if (!skin::LoadArchiveResource(instance, 102)) return 1;
  auto* wnd = new CDemoWindow;
  if (!wnd->Create(nullptr, "Toolkit demo", WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN, 0)) {
    delete wnd;
    return 1;
  }
  wnd->CenterWindow();
  wnd->ShowPage(page);
  wnd->ShowWindow(true);
  if (exitAfter > 0) SetTimer(nullptr, 0, exitAfter, [](HWND, UINT, UINT_PTR, DWORD) { PostQuitMessage(0); });
  return CPaintManager::MessageLoop();
}
