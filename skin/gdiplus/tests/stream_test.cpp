#include <gtest/gtest.h>

#include "skin/gdiplus/hglobal_stream_win.h"

using namespace skin;

TEST(HGlobalStream, ACopiedBlockHoldsTheBytes) {
  const runtime::Bytes ten = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10};
  HGlobalStream block = makeHGlobalStream();
  IStream* stream = block.methods->create(&block, ten, true);
  ASSERT_NE(stream, nullptr);
  EXPECT_EQ(block.methods->stream(&block), stream);
  EXPECT_EQ(block.methods->size(&block), 10u);
  EXPECT_EQ(block.methods->bytes(&block), ten);

  // The stream reads them from the start.
  BYTE read[16] = {};
  ULONG got = 0;
  EXPECT_EQ(stream->Read(read, sizeof read, &got), S_OK);
  EXPECT_EQ(got, 10u);
  EXPECT_EQ(runtime::Bytes(read, read + got), ten);
  block.methods->destroy(&block);
  EXPECT_EQ(block.stream, nullptr);
  EXPECT_EQ(block.block, nullptr);
}

TEST(HGlobalStream, AGrowableBlockFollowsWhatIsWritten) {
  HGlobalStream block = makeHGlobalStream();
  IStream* stream = block.methods->create(&block, runtime::Bytes{9, 9, 9}, false);
  ASSERT_NE(stream, nullptr);
  EXPECT_EQ(block.methods->size(&block), 0u);  // the bytes are not read
  const BYTE text[] = "hello, stream";
  ULONG written = 0;
  ASSERT_EQ(stream->Write(text, sizeof text, &written), S_OK);
  EXPECT_EQ(block.methods->size(&block), sizeof text);
  EXPECT_EQ(block.methods->bytes(&block), runtime::Bytes(text, text + sizeof text));
  block.methods->release(&block);
  block.methods->release(&block);  // a second release does nothing
}

// The block is freed with the stream's last reference: a reader that still holds
// the stream after the record let go keeps reading valid memory.
TEST(HGlobalStream, ReleaseNeverFreesTheBlockUnderAReader) {
  const runtime::Bytes bytes = {10, 20, 30, 40};
  HGlobalStream block = makeHGlobalStream();
  IStream* stream = block.methods->create(&block, bytes, true);
  ASSERT_NE(stream, nullptr);
  stream->AddRef();  // another reader, as an image may be
  block.methods->destroy(&block);

  BYTE read[4] = {};
  ULONG got = 0;
  EXPECT_EQ(stream->Read(read, sizeof read, &got), S_OK);
  EXPECT_EQ(runtime::Bytes(read, read + got), bytes);
  EXPECT_EQ(stream->Release(), 0u);  // the last reference: the block goes with it
}

TEST(HGlobalStream, CreateAgainReplacesTheBlockAndACopyHasItsOwn) {
  HGlobalStream block = makeHGlobalStream();
  block.methods->create(&block, runtime::Bytes{1, 2, 3}, true);
  block.methods->create(&block, runtime::Bytes{4, 5}, true);
  EXPECT_EQ(block.methods->bytes(&block), (runtime::Bytes{4, 5}));

  HGlobalStream* twin = block.methods->copy(&block);
  ASSERT_NE(twin, nullptr);
  EXPECT_NE(twin->block, block.block);
  block.methods->destroy(&block);
  EXPECT_EQ(twin->methods->bytes(twin), (runtime::Bytes{4, 5}));
  twin->methods->destroy(twin);
  delete twin;
}

TEST(HGlobalStream, AnEmptyBlockGivesAStreamOfNoBytes) {
  HGlobalStream block = makeHGlobalStream();
  ASSERT_NE(block.methods->create(&block, runtime::Bytes{}, true), nullptr);
  EXPECT_EQ(block.methods->size(&block), 0u);
  EXPECT_TRUE(block.methods->bytes(&block).empty());
  block.methods->destroy(&block);
}
