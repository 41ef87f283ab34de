#pragma once

#include <span>
#include <string>
#include <vector>

#include "engine/progress_display.h"
#include "text/messages.h"

namespace corvanta {

using PictureBytes = std::span<const unsigned char>;

// The four faces the Convert button switches between, as the carried picture
// files. The main window hands in its embedded pictures; tests hand in their
// own small blocks.
struct ConvertFaces {
  PictureBytes startNormal;
  PictureBytes startHover;
  PictureBytes stopNormal;
  PictureBytes stopHover;
};

// What a conversion run and the Convert button read and write on the main
// window. The run touches the window only through this, so it can be driven
// and watched without any widget. Being a ProgressDisplay too, the same
// window receives the encoder loop's progress writes.
class RunWindow : public ProgressDisplay {
 public:
  // The seven drop-down lists whose chosen item a run takes as its settings.
  enum class SettingList {
    AudioCodec,
    AudioBitrate,
    SampleRate,
    VideoBitrate,
    FrameRate,
    Resolution,
    VideoCodec,
  };

  // The text of the chosen item; empty when nothing (or an index outside
  // the list) is chosen.
  virtual std::string SelectedItemText(SettingList list) = 0;
  virtual std::string FormatText() = 0;
  virtual std::string OutputFolderText() = 0;

  // Rows are addressed by position from 0. Delete and Clear refuse while a
  // run is in progress, but a position that holds no row is still safe:
  // reading such a cell gives the empty text, and writing it does nothing.
  virtual int RowCount() = 0;
  virtual std::string CellText(int row, int column) = 0;
  virtual void SetCellText(int row, int column, const std::string& text) = 0;
  virtual void SetRowIcon(int row, int icon) = 0;

  // The elapsed-time timer; 0 stops it.
  virtual void SetTimerInterval(int milliseconds) = 0;

  // The Convert button's pictures as byte blocks; a picture that is not set
  // reads as an empty block.
  virtual std::vector<unsigned char> ConvertNormalPicture() = 0;
  virtual std::vector<unsigned char> ConvertHoverPicture() = 0;
  virtual void SetConvertNormalPicture(PictureBytes picture) = 0;
  virtual void SetConvertHoverPicture(PictureBytes picture) = 0;

  virtual void SetAddEnabled(bool enabled) = 0;
  // The "转换完成关机" check box.
  virtual bool ShutdownTicked() = 0;
  // A modal box with the question icon and an OK button, owned by the window.
  virtual void ShowRefusal(const MessageText& message) = 0;
};

}  // namespace corvanta
