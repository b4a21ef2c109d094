// An animated GIF from the skin, shown scaled to the control. Each frame stays for its own delay;
// the animation loops while it plays. With "autoplay" (the default) it starts when it joins a
// window.
#pragma once

#include <memory>

#include "Control.h"

class CSkinImage;

class CGifAnim : public CControl {
 public:
  const char* GetClass() const override { return "GifAnim"; }

  void SetFile(const std::string& path);
  void Play();
  void Stop();
  bool IsPlaying() const { return m_playing; }
  size_t GetFrame() const { return m_frame; }
  size_t GetFrameCount() const;

  void SetManager(CPaintManager* manager, CControl* parent) override;
  bool SetAttribute(const std::string& name, const std::string& value) override;
  void DoEvent(ControlEvent& event) override;

 protected:
  void PaintStatusImage(CRenderContext& rc) override;

 private:
  bool LoadImage();
  void ArmTimer();

  std::string m_file;
  std::shared_ptr<const CSkinImage> m_image;
  bool m_autoPlay = true;
  bool m_playing = false;
  size_t m_frame = 0;
};
