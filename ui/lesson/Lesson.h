#pragma once

#include <atomic>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <variant>

#include "model/CoefTable.h"
#include "model/jpeg/JpegPicture.h"
#include "model/lesson/LessonBlock.h"
#include "model/link/PageLink.h"
#include "model/picture/GreyImage.h"
#include "platform/Form.h"
#include "platform/Picture.h"
#include "ui/lesson/LessonLayout.h"
#include "ui/lesson/LessonView.h"
#include "ui/window/Form1.h"

namespace dct::ui {

// The lesson beside the window: a picture whose 8×8 blocks go into the
// window, compressed as JPEG compresses them if the user wishes, and
// challenges to rebuild a target block. It changes the window only through
// the window's own handlers.
class Lesson {
 public:
  // Opens a link as the program opens a page's link, and says what it was.
  using LinkOpener = std::function<LinkKind(std::string_view link)>;

  // `linkBase`: the page's address without its fragment, which a challenge's
  // link is written after; empty on the desktop. `seed` starts the sequence
  // of challenges that "Novo desafio" makes.
  Lesson(platform::Runtime& runtime, Form1& window, std::uint32_t seed, std::string linkBase,
         LinkOpener openLink);
  ~Lesson();

  void Form_Load();
  void Show();

  void picPicture_MouseDown(int x, int y);
  void picPicture_MouseMove(int x, int y);
  void picPicture_KeyDown(platform::PictureKey key);
  void picPicture_FileChosen(const platform::ChosenFile& file);
  void cmdOpen_Click();
  void cmdBuiltin_Click();
  void hsbQuality_Change();
  void hsbKept_Change();
  void cmdNewChallenge_Click();
  void cmdHint_Click();
  void cmdCreateChallenge_Click();
  void cmdEndChallenge_Click();
  void txtLink_KeyPress(int keyAscii);
  void cmdView_Click();
  void cmdSaveJpeg_Click();
  void picPatterns_MouseDown(int x, int y);
  void picPatterns_KeyDown(platform::PictureKey key);

  // A challenge, new or from a link: the target shown, the window emptied.
  void OpenChallenge(const CoefTable& target);
  // No challenge any more: a block was opened from a link instead.
  void EndChallenge();
  const std::optional<CoefTable>& Target() const { return target_; }
  // The block of the picture that the frame stands on, across and down;
  // nothing until the user picks one.
  std::optional<std::pair<int, int>> Framed() const;
  const GreyImage& Picture() const { return picture_; }
  // The whole picture as JPEG compresses it at the bars' setting, and its file.
  const JpegCompressed& Compressed() const { return *compressed_; }
  const LessonControls& Widgets() const { return controls_; }
  platform::Form& PlatformForm() { return form_; }

  // Brings every figure in step with the window and the picture; run after
  // each event, whichever form it came to.
  void Refresh();

 private:
  void connectHandlers();
  void showPicture(GreyImage picture);
  // Frames block (bx, by) (the nearest one inside the picture) and enters
  // it; `again`: also when it is framed already.
  void moveTo(int bx, int by, bool again);
  void enterBlock();
  Compression currentCompression() const;
  // The whole picture compressed anew, and shown as the photo's view says.
  void compress();
  void showView();
  // While a challenge runs, only the student's own actions change the window.
  void lockForChallenge();
  void copied(bool done);
  // The file chosen `number`-th has been read: its picture or why not;
  // nothing when a later choice kept it from being read.
  void fileRead(long long number, const std::string& name,
                std::optional<std::variant<GreyImage, std::string>> outcome);

  platform::Runtime& runtime_;
  Form1& window_;
  platform::Form form_;
  LessonControls controls_;
  LessonView view_;
  GreyImage picture_;
  bool framed_ = false;
  int blockX_ = 0;
  int blockY_ = 0;
  // JPEG's view of the framed block at the bars' setting, and what the
  // window was given of it.
  std::optional<LessonBlock> entered_;
  // The picture's blocks transformed once, and compressed at the setting.
  std::optional<JpegPicture> jpeg_;
  std::optional<JpegCompressed> compressed_;
  PictureMeasures measures_;
  PhotoView viewMode_ = PhotoView::Original;
  // The difference shown, while the photo shows it.
  std::optional<GreyImage> difference_;
  std::optional<CoefTable> target_;
  std::uint32_t seed_;
  std::string linkBase_;
  LinkOpener openLink_;
  // A line about the last action on the picture (an image not read), on the
  // challenge (a hint, a refusal) and on the link (copied or not), each
  // until the next such action.
  std::string notice_;
  // How many files the user has chosen, or asked for the built-in picture:
  // only the last one's reading shows. Shared with the readings under way,
  // so that one already behind does not start.
  std::shared_ptr<std::atomic<long long>> picturesChosen_ =
      std::make_shared<std::atomic<long long>>(0);
  std::string challengeNotice_;
  std::string linkNotice_;
  std::string fileNotice_;
};

}  // namespace dct::ui
