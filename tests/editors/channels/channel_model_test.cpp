// The grid kit's model over the channel rules, without a window: what
// setData does to the image, which cells are editable, and the signals a
// view relies on.
#include <gtest/gtest.h>

#include <QSignalSpy>

#include "channel_fixture.h"
#include "channel_grid_rules.h"
#include "grid_kit.h"

namespace brel::chann::test {
namespace {

class Model : public ChannelFixture {
 protected:
  Model() : rules(ctx), model(grid, rules) { redisplay(); }
  QModelIndex at(int channel, int col) const { return model.cellIndex(channel, col); }
  void redisplay() { model.apply([this] { RedisplayChannels(ctx); }); }
  ChannelGridRules rules;
  grid::GridModel model;
};

TEST_F(Model, TypedValuesEncodeIntoTheImage) {
  struct Case {
    int col;
    const char* typed;
    int row;  // image row
    int first;
    Bytes bytes;
  };
  const Case cases[] = {
      {kColRxFreq, "145.5", RecordRow(9), 0, {0x00, 0x00, 0x55, 0x14, 0x00, 0x00, 0x55, 0x14}},
      {kColRxTone, "88.5", RecordRow(9), 8, {0x75, 0x03, 0x75, 0x03}},
      {kColTxTone, "D754I", RecordRow(9), 8, {0x75, 0x03, 210, 0x00}},
      {kColTxFreq, "433", RecordRow(9), 4, {0x00, 0x00, 0x30, 0x43}},
      {kColName, "ab-c12x", NameRow(9), 0, {0x41, 0x42, 0xFF, 0x43, 0x31, 0x32}},
  };
  for (const Case& c : cases) {
    EXPECT_TRUE(model.setData(at(9, c.col), QString(c.typed), Qt::EditRole)) << c.typed;
    EXPECT_EQ(row(c.row, c.first, c.first + static_cast<int>(c.bytes.size()) - 1), c.bytes) << c.typed;
  }
  EXPECT_EQ(model.data(at(9, kColTxFreq)).toString(), "433.00000");
  EXPECT_EQ(messages.texts(), std::vector<std::string>{"The letter of channel name max 6 bit . "});
}

TEST_F(Model, OutOfBandEntriesGiveTheirMessages) {
  model.setData(at(2, kColTxFreq), "145.5", Qt::EditRole);
  model.setData(at(2, kColRxFreq), "600", Qt::EditRole);
  model.setData(at(2, kColTxFreq), "399.99", Qt::EditRole);
  EXPECT_EQ(messages.texts(), (std::vector<std::string>{"Please input the receive frequency in advance.",
                                                        "Over the range of receive frequency .",
                                                        "Over the range of transmit frequency ."}));
  EXPECT_EQ(record(2, 0, 7), (Bytes{0x00, 0x00, 0x60, 0x13, 0x00, 0x00, 0x60, 0x13}));
}

TEST_F(Model, ListChoicesAreEncodedAtOnce) {
  model.setData(at(5, kColRxFreq), "145.5", Qt::EditRole);
  EXPECT_TRUE(model.setData(at(5, kColPower), 1, grid::GridModel::ListChoiceRole));
  EXPECT_TRUE(model.setData(at(5, kColRxTone), 156, grid::GridModel::ListChoiceRole));  // D023I
  EXPECT_EQ(record(5, 8, 15), (Bytes{106, 0, 106, 0, 0, 0, 1, 0x44}));
  EXPECT_EQ(model.data(at(5, kColTxTone)).toString(), "D023I");
  EXPECT_FALSE(model.setData(at(5, kColPower), 2, grid::GridModel::ListChoiceRole));
  EXPECT_FALSE(model.setData(at(5, kColRxFreq), 0, grid::GridModel::ListChoiceRole));
}

TEST_F(Model, EditableCellsFollowTheRow) {
  auto editable = [&](int channel, int col) { return model.flags(at(channel, col)).testFlag(Qt::ItemIsEditable); };
  EXPECT_FALSE(editable(1, kColChannel));
  EXPECT_TRUE(editable(1, kColBand));
  EXPECT_TRUE(editable(1, kColRxFreq));
  EXPECT_TRUE(editable(1, kColName));
  EXPECT_FALSE(editable(1, kColRxTone));
  model.setData(at(1, kColBand), 0, grid::GridModel::ListChoiceRole);
  EXPECT_TRUE(editable(1, kColRxTone));
  EXPECT_FALSE(editable(1, kColTxTone));
  model.setData(at(1, kColRxFreq), "145.5", Qt::EditRole);
  EXPECT_TRUE(editable(1, kColTxTone));
  EXPECT_EQ(model.choices(at(1, kColRxTone)).size(), 261);
}

TEST_F(Model, ChangesAreSignalledForTheirRowsAndTheChannelCount) {
  QSignalSpy changed(&model, &QAbstractItemModel::dataChanged);
  model.setData(at(7, kColRxFreq), "145.5", Qt::EditRole);
  ASSERT_EQ(changed.count(), 1);
  EXPECT_EQ(changed[0][0].toModelIndex().row(), 6);
  EXPECT_EQ(changed[0][1].toModelIndex().row(), 6);
  EXPECT_EQ(changed[0][1].toModelIndex().column(), kGridColumns - 1);

  QSignalSpy removed(&model, &QAbstractItemModel::rowsRemoved);
  QSignalSpy inserted(&model, &QAbstractItemModel::rowsInserted);
  state.ChannelTotal = 10;
  redisplay();
  EXPECT_EQ(model.rowCount(), 10);
  ASSERT_EQ(removed.count(), 1);
  EXPECT_EQ(removed[0][1].toInt(), 10);
  EXPECT_EQ(removed[0][2].toInt(), 127);
  state.ChannelTotal = 20;
  redisplay();
  EXPECT_EQ(model.rowCount(), 20);
  EXPECT_EQ(inserted.count(), 1);
  EXPECT_EQ(model.data(at(20, kColChannel)).toString(), "20");
}

}  // namespace
}  // namespace brel::chann::test
