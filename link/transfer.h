// A window's exchange with the radio: the engine, what the window shows of
// it, and the refusals while it runs.  An editor configures one and writes
// no engine code of its own (editors/dtmf/dtmf_transfer.* is a whole one):
//
//   // The plans.  A read stages its 64-byte blocks and changes its table
//   // only once every one is in; a write sends one FrameData a frame (16
//   // bytes for an address, or FrameData::Erased for the short frame).
//   class ThingReadPlan : public link::ImageAreaReadPlan {
//    public:
//     explicit ThingReadPlan(MemoryImage& image) : ImageAreaReadPlan(image, kThingBase, 3) {}
//   };  // a staging table: TableAreaReadPlan<Table>, with the rows its lines go to
//   class ThingWritePlan : public link::WritePlan {
//     int frameCount() const override { return 12; }
//     link::FrameData frame(int i) const override { return link::FrameData::Row(kThingBase + 16 * i, image_, row(i)); }
//   };
//
//   // The texts: progress wording, what completion and failure show.
//   link::TransferTexts ThingTexts() {
//     link::TransferTexts t;
//     t.readProgress = [](ProgramState& s, int done) {
//       return std::optional(link::ProgressShown{done * 100 / 3, link::texts::ReadingBlockText(s.LanguageFlag, done)});
//     };
//     t.readDoneLabel = kReadDoneLabel;  t.readDoneMessage = kReadDone;
//     t.fault = {.message = true, .panel = true};
//     return t;
//   }
//
//   // The configuration: the profile (how the handshake goes, whether frames
//   // carry a leading 0x06, how fast bytes go), the texts, the plans.
//   class ThingTransfer : public link::EditorTransfer {  // busy(), running(), stop(), transfer()
//    public:
//     ThingTransfer(link::LinkContext context, link::TransferView& view)
//         : EditorTransfer(context, link::profiles::ThingEditor(), ThingTexts(), view), state_(context.state) {}
//     void read() { transfer_.read(std::make_shared<ThingReadPlan>(state_.MemImage), kRetries); }
//     void write() { transfer_.write(std::make_shared<ThingWritePlan>(state_.MemImage), kRetries); }
//    private:
//     ProgramState& state_;
//   };
//
// An exchange that reads one block, decides and writes one frame is a
// ReadThenWritePlan.  The editor window adopts the configuration
// (EditorWindow::adoptTransfer, kit/editor_window.h), which makes
// the window its view; which of the window's commands wait while
// transfer.running() (the exchange runs or a retry of it is pending) the
// window base says, in EditorWindow::dataInUse.
// For the few events texts do not cover (a read-then-write outcome, the
// moment the handshake completes) the configuration sets a listener.
#pragma once

#include <algorithm>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "link_engine.h"
#include "link_texts.h"

namespace brel::link {

// A read of `blocks` 64-byte blocks whose replies are kept, block after
// block, until every one has come; what completing does with them is the
// subclass's (nothing may change before).  Each attempt starts from zeros.
class StagedReadPlan : public ReadPlan {
 public:
  static constexpr int kBlockBytes = 64;
  explicit StagedReadPlan(int blocks);
  int blockCount() const override { return blocks_; }
  void begin() override;
  void onBlock(int index, std::span<const std::uint8_t> payload) override;

 protected:
  const std::vector<std::uint8_t>& staged() const { return staged_; }

 private:
  int blocks_;
  std::vector<std::uint8_t> staged_;
};

// Where the 16-byte lines of a staged read go in a table: line i (bytes
// 16i..16i+15 of the blocks in request order) into row rows[i].  A line
// mapped to kDroppedLine, or past the end of the map, is asked for but not
// kept.
using LineRows = std::vector<int>;
inline constexpr int kDroppedLine = -1;
// Lines 0..lines-1 into rows firstRow, firstRow + 1, ...
LineRows ConsecutiveRows(int firstRow, int lines);

// `blocks` 64-byte blocks read from `base` on into a cell table the window
// keeps its area in (MemImage or a staging table), line by line as `rows`
// says.  Completing replaces cells 0..15 of the mapped rows; nothing else of
// the table changes, and nothing at all before every block is in.
template <class Table>
class TableAreaReadPlan : public StagedReadPlan {
 public:
  static constexpr int kLineBytes = 16;
  static_assert(Table::kCols >= kLineBytes, "a line fills sixteen cells of its row");

  TableAreaReadPlan(Table& table, int base, int blocks, LineRows rows)
      : StagedReadPlan(blocks), image_(table), base_(base), rows_(std::move(rows)) {}
  Block block(int index) const override {
    return {static_cast<std::uint16_t>(base_ + kBlockBytes * index), kBlockBytes};
  }
  void complete() override {
    const std::vector<std::uint8_t>& bytes = staged();
    const std::size_t lines = std::min(rows_.size(), bytes.size() / kLineBytes);
    for (std::size_t line = 0; line < lines; ++line) {
      const int row = rows_[line];
      if (row == kDroppedLine) continue;
      for (int c = 0; c < kLineBytes; ++c) image_.at(row, c) = bytes[line * kLineBytes + static_cast<std::size_t>(c)];
    }
  }

 protected:
  Table& image_;

 private:
  int base_;
  LineRows rows_;
};

// An area of the radio from `base` on (a row's first address) into the
// MemImage rows of its addresses.
class ImageAreaReadPlan : public TableAreaReadPlan<MemoryImage> {
 public:
  ImageAreaReadPlan(MemoryImage& image, int base, int blocks);
};

// What a window shows of an exchange.
class TransferView {
 public:
  virtual ~TransferView() = default;
  virtual void setProgressValue(int value) = 0;  // 0..100
  virtual void setProgressVisible(bool visible) = 0;
  virtual void setStatusText(const std::string& text) = 0;
  // A read is about to commit its blocks: an edit still open goes in first.
  virtual void beforeImageReplaced() {}
  // The read has committed: the window shows the new contents.
  virtual void imageReplaced() {}
};

struct ProgressShown {
  int value = 0;
  std::string text;
};
// The progress after `done` blocks (read) or as frame `done` goes out
// (write); nothing for a step the window does not show.
using ProgressWording = std::function<std::optional<ProgressShown>(ProgramState& state, int done)>;

// How a window reports an exchange that has given up.
struct FaultReport {
  bool message = true;         // "Fail connect with transceiver." box
  bool panel = false;          // status panel 2 "Communication fault."
  bool label = false;          // the status label "Communication fault."
  bool clearProgress = false;  // the bar to 0 and hidden, the label emptied first
};

struct TransferTexts {
  // Read or write pressed while the exchange runs; close pressed meanwhile.
  Bilingual busy = kBusyText;
  Bilingual closeRefused = kCloseRefusedText;
  Bilingual connecting = texts::kLabelConnecting;
  bool startShowsBar = true;  // the bar made visible at 0 when an exchange starts
  ProgressWording readProgress;
  ProgressWording writeProgress;
  Bilingual doneTitle = kTitlePromptUpper;
  bool readDoneFullBar = true;  // the bar shown at 100 when a read completes
  std::optional<Bilingual> readDoneLabel;
  std::optional<Bilingual> readDoneMessage;
  std::optional<Bilingual> writeDoneLabel;
  std::optional<Bilingual> writeDoneMessage;
  FaultReport fault;
};

class Transfer : private LinkObserver {
 public:
  Transfer(LinkContext context, EngineProfile profile, TransferTexts texts, TransferView& view);
  ~Transfer() override;

  // The window's Read and Write commands: refused with the busy message
  // while the exchange runs; otherwise the exchange starts with `retries`
  // retries.  True when it started.
  bool read(std::shared_ptr<ReadPlan> plan, int retries);
  bool write(std::shared_ptr<WritePlan> plan, int retries);
  bool readThenWrite(std::shared_ptr<ReadThenWritePlan> plan, int retries);

  bool busy() const { return engine_.busy(); }
  // The exchange runs or a retry of it is pending: what waits for it, the
  // window that runs it says (EditorWindow::dataInUse).
  bool running() const { return engine_.running(); }
  // The busy message when busy (true), else nothing (false).
  bool refuseIfBusy();
  // A write's own check before anything is sent: a cell of the image rows
  // it sends that does not hold a byte value would reach the radio cut to
  // its low eight bits.  The first such cell is named in a message and true
  // returned; false when every cell is a byte.
  bool refuseNonByteCells(const std::vector<int>& rows);
  // The close command: refused with the close message while busy (false);
  // otherwise the port closes, a pending retry is dropped, and true.
  bool closeRequested();
  // The window is going whatever happens: every timer stops, the port closes.
  void stop() { engine_.stop(); }

  const LinkEngine& engine() const { return engine_; }
  ProgramState& state() { return ctx_.state; }
  // Receives every event after the transfer has shown it.
  void setListener(LinkObserver* listener) { listener_ = listener; }

 private:
  bool started(bool ok);
  void show(const std::optional<ProgressShown>& shown);
  void say(const Bilingual& title, const Bilingual& text);

  void identified() override;
  void connected() override;
  void readProgress(int done) override;
  void readCompleting() override;
  void readComplete() override;
  void writeProgress(int frame) override;
  void writeComplete() override;
  void writeRefused() override;
  void writeAnswered(std::uint8_t answer) override;
  void attemptTimedOut() override;
  void beforeRetry() override;
  void gaveUp() override;
  void retryPortFailed() override;

  LinkContext ctx_;
  TransferTexts texts_;
  TransferView& view_;
  LinkObserver* listener_ = nullptr;
  LinkEngine engine_;
};

// The base of an editor's transfer configuration: the one Transfer it
// configures (profile, texts, view) and what a window asks of it.  The
// configuration adds its Read and Write commands: its plans and retries.
class EditorTransfer {
 public:
  EditorTransfer(LinkContext context, EngineProfile profile, TransferTexts texts, TransferView& view)
      : transfer_(context, std::move(profile), std::move(texts), view) {}
  bool busy() const { return transfer_.busy(); }
  bool running() const { return transfer_.running(); }
  // Stops every timer and closes the port (the window is going).
  void stop() { transfer_.stop(); }
  const LinkEngine& engine() const { return transfer_.engine(); }
  Transfer& transfer() { return transfer_; }
  const Transfer& transfer() const { return transfer_; }

 protected:
  Transfer transfer_;
};

}  // namespace brel::link
