// The drain is the only road from a link to the line intake: it must keep
// order, flag the end of a chunk that is not a line end, stop while the
// intake is busy, and never hold the window thread or memory without bound.
#include "links/receive_buffer.h"

#include <gtest/gtest.h>

#include "links/link_test_fakes.h"

namespace brilox {
namespace {

using testing::RecordingIntake;

TEST(DrainReceiveBuffers, FlushRequestOnlyOnAChunkThatEndsInsideALine) {
  ReceiveBuffers buffers;
  RecordingIntake intake;
  (void)buffers[1].Append("login: ");
  (void)buffers[2].Append("DX de K1ABC:\r\n");
  EXPECT_FALSE(DrainReceiveBuffers(buffers, intake, {}));
  EXPECT_EQ(intake.raw(2), "login: ");
  EXPECT_EQ(intake.flushes(2), 1);  // the prompt shows before its line ends
  EXPECT_EQ(intake.rows(2), (std::vector<std::string>{"login: "}));
  EXPECT_EQ(intake.raw(3), "DX de K1ABC:\r\n");
  EXPECT_EQ(intake.flushes(3), 0);
  EXPECT_TRUE(buffers[1].empty());
  EXPECT_TRUE(buffers[2].empty());
}

TEST(DrainReceiveBuffers, StopsWhileTheIntakeIsBusyAndResumesInOrder) {
  ReceiveBuffers buffers;
  RecordingIntake intake;
  (void)buffers[0].Append("abcdef\n");
  (void)buffers[3].Append("xyz\n");
  // The intake turns busy after the third character (a line being processed).
  intake.on_character = [&](int terminal, char ch) {
    if (terminal == 1 && ch == 'c') intake.SetBusy(true);
  };
  EXPECT_TRUE(DrainReceiveBuffers(buffers, intake, {}));
  EXPECT_EQ(intake.raw(1), "abc");
  EXPECT_EQ(intake.raw(4), "");                           // later terminals wait as well
  EXPECT_TRUE(DrainReceiveBuffers(buffers, intake, {}));  // still busy: nothing moves
  EXPECT_EQ(intake.count(1), 3u);
  intake.SetBusy(false);
  intake.on_character = nullptr;
  EXPECT_FALSE(DrainReceiveBuffers(buffers, intake, {}));
  EXPECT_EQ(intake.raw(1), "abcdef\n");
  EXPECT_EQ(intake.raw(4), "xyz\n");
}

TEST(DrainReceiveBuffers, HandsOverAtMostOneSlicePerTerminalAndPass) {
  ReceiveBuffers buffers;
  RecordingIntake intake;
  const std::string flood(3 * kDrainSliceBytes + 10, 'x');
  (void)buffers[0].Append(flood);
  int passes = 0;
  while (DrainReceiveBuffers(buffers, intake, {})) {
    ++passes;
    EXPECT_EQ(intake.count(1), passes * kDrainSliceBytes);
  }
  EXPECT_EQ(passes, 3);
  EXPECT_EQ(intake.count(1), flood.size());
  // Every slice ended inside the line, so each was shown and continued: the
  // intake never had to hold more than a slice for the window.
  EXPECT_EQ(intake.flushes(1), 4);
  EXPECT_LE(intake.longest_line(1), kDrainSliceBytes);
  EXPECT_EQ(intake.rows(1).size(), 1u);
  EXPECT_EQ(intake.rows(1)[0].size(), flood.size());
}

TEST(DrainReceiveBuffers, HookMayRewriteTheWaitingBytes) {
  ReceiveBuffers buffers;
  RecordingIntake intake;
  (void)buffers[0].Append("\r\n\r\nDX");
  DrainReceiveBuffers(buffers, intake, [](int terminal, std::span<char> pending) {
    if (terminal == 1 && pending.size() >= 4) pending[3] = '\0';
  });
  EXPECT_EQ(intake.raw(1), std::string("\r\n\r\0DX", 6));
}

TEST(ReceiveBuffer, PauseAndResumeMarksAndTheHardLimit) {
  ReceiveBuffer buffer;
  EXPECT_EQ(buffer.Append(std::string(ReceiveBuffer::kPauseMark - 1, 'a')), 0u);
  EXPECT_FALSE(buffer.ShouldPause());
  (void)buffer.Append("b");
  EXPECT_TRUE(buffer.ShouldPause());
  buffer.Consume(ReceiveBuffer::kPauseMark - ReceiveBuffer::kResumeMark - 1);
  EXPECT_FALSE(buffer.MayResume());
  buffer.Consume(1);
  EXPECT_TRUE(buffer.MayResume());
  EXPECT_EQ(buffer.At(0), 'a');

  // A source that cannot be paused loses what goes beyond the hard limit,
  // never the text already waiting.
  const std::size_t over = buffer.Append(std::string(ReceiveBuffer::kHardLimit, 'c'));
  EXPECT_EQ(buffer.size(), ReceiveBuffer::kHardLimit);
  EXPECT_EQ(over, ReceiveBuffer::kResumeMark);
  EXPECT_EQ(buffer.dropped(), over);
  EXPECT_EQ(buffer.At(0), 'a');
  buffer.Consume(buffer.size());
  EXPECT_TRUE(buffer.empty());
}

}  // namespace
}  // namespace brilox
