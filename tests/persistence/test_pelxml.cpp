#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>

#include "persistence/lxdefs.h"
#include "persistence/lxgamehands.h"
#include "persistence/pelxml.h"
#include "persistence_fixture.h"
#include "support/lxtestuser.h"

namespace lx {

namespace {

// A stored object with every kind the system uses, including the kind of object the machines'
// data files hold (integers and keyed-store collections).
class TSampleData : public TPelXMLObject {
  LX_XML_CLASS(TSampleData, TPelXMLObject)

 public:
  static void DeclareProperties(TXMLPropertiesOf<TSampleData>& p) {
    p.Integer("Number", &TSampleData::Number)
        .String("Text", &TSampleData::Text)
        .Cardinal("Big", &TSampleData::Big)
        .Boolean("Flag", &TSampleData::Flag)
        .Object("Stats", &TSampleData::Stats)
        .Object("Nothing", &TSampleData::Nothing)
        .Integer("Computed", [](const TSampleData& o) { return o.Number * 2; });
  }
  int32_t Number = 7;
  std::string Text = "init";
  uint32_t Big = 0;
  bool Flag = false;
  std::unique_ptr<TLxStoreItems> Stats = std::make_unique<TLxStoreItems>();
  TLxStoreItems* Nothing = nullptr;
};

// Inherited entries are part of the table; names are ordered with bit 5 cleared, which puts
// digits before letters and letters before "_".
class TDerivedData : public TSampleData {
  LX_XML_CLASS(TDerivedData, TSampleData)

 public:
  static void DeclareProperties(TXMLPropertiesOf<TDerivedData>& p) {
    p.Integer("A_", &TDerivedData::A_).Integer("Aa", &TDerivedData::Aa);
    p.Integer("A1", &TDerivedData::A1).Integer("a", &TDerivedData::Lower);
  }
  int32_t A_ = 1, Aa = 2, A1 = 3, Lower = 4;
};

}  // namespace

TEST(PelXML, WrittenFormOfEveryKind) {
  TSampleData d;
  d.Number = -12;
  d.Text = " a&b<c ";
  d.Big = 3000000000u;
  d.Flag = true;
  TLxStoreItem* item = d.Stats->Add();
  item->DataInt = 5;
  item->DataInt2 = 9;
  EXPECT_EQ(d.ElementName(), "SampleData");
  EXPECT_EQ(d.GetXMLDocument(),
            "<SampleData><Big>-1294967296</Big>\r\n"
            "<Computed>-24</Computed>\r\n"
            "<Flag>True</Flag>\r\n"
            "<Nothing></Nothing>\r\n"
            "<Number>-12</Number>\r\n"
            "<Stats><LxStoreItem><DataInt>5</DataInt>\r\n"
            "<DataInt2>9</DataInt2>\r\n"
            "<DataStr></DataStr>\r\n"
            "<Title></Title>\r\n"
            "</LxStoreItem>\r\n"
            "</Stats>\r\n"
            "<Text> a&#x26;b&#x3C;c </Text>\r\n"
            "</SampleData>");

  const auto made = CreateFromXML<TSampleData>(d.GetXMLDocument());
  const TSampleData& back = *made;
  EXPECT_EQ(back.Number, -12);
  EXPECT_EQ(back.Text, "a&b<c");  // trimmed on reading
  EXPECT_EQ(back.Big, 3000000000u);
  EXPECT_TRUE(back.Flag);
  ASSERT_EQ(back.Stats->Count(), 1);
  EXPECT_EQ(back.Stats->Items(0)->DataInt2, 9);
  EXPECT_EQ(back.Nothing, nullptr);
}

TEST(PelXML, InheritedTableAndWrittenOrder) {
  TDerivedData d;
  std::string names;
  for (size_t i : d.Properties().WrittenOrder()) names += d.Properties().Entries()[i].Name + " ";
  EXPECT_EQ(names, "a A1 Aa A_ Big Computed Flag Nothing Number Stats Text ");
  EXPECT_EQ(d.ElementName(), "DerivedData");
  // The base class's own table is unchanged by the derived declarations.
  EXPECT_EQ(TSampleData::StoredProperties().Entries().size(), 7u);
  EXPECT_TRUE(XMLPropertyNameLess("Pool", "pool1"));
  EXPECT_FALSE(XMLPropertyNameLess("pool", "POOL"));
}

TEST(PelXML, EscapingTableRoundTripsEveryByte) {
  std::string all;
  for (int c = 1; c < 256; ++c) all += static_cast<char>(c);
  const std::string written = XMLEscape(all);
  std::string expected;
  for (int c = 1; c < 256; ++c) {
    const bool plain = (c >= 32 && c <= 33) || (c >= 44 && c <= 59) || c == 61 ||
                       (c >= 65 && c <= 93) || c == 95 || (c >= 97 && c <= 122);
    if (plain) {
      expected += static_cast<char>(c);
    } else {
      char buf[8];
      snprintf(buf, sizeof buf, "&#x%02X;", c);
      expected += buf;
    }
  }
  EXPECT_EQ(written, expected);
  for (unsigned char c : written) EXPECT_TRUE(c >= 32 && c < 127);
  EXPECT_EQ(XMLUnescape(written), all);
}

TEST(PelXML, UnescapeRules) {
  struct Case {
    const char* in;
    const char* out;
  } cases[] = {
      {"&#x41;&#x62;", "Ab"},
      {"&#x6a;", "j"},                           // lower-case hex digits are read too
      {"&amp;&#65;&#X41;", "&amp;&#65;&#X41;"},  // no other entity is known
      {"&#x4&#x41;;", "J"},                      // decoded from the end: "&#x4A;" forms afterwards
      {"&#x26;#x41;", "&#x41;"},                 // a decoded "&" is not decoded again
      {"&#x4", "&#x4"},                          // too short
      {"&#xZZ;", "&#xZZ;"},
      {"<![CDATA[ <a>&#x41; ]]>", " <a>&#x41; "},
      {"<![cdata[x]]>", "x"},
      {"<![CDATA[", ""},
  };
  for (const Case& c : cases) EXPECT_EQ(XMLUnescape(c.in), c.out) << c.in;
}

TEST(PelXML, ScalarReadingRules) {
  TSampleData d;
  d.LoadFromXML(
      "<SampleData><NUMBER> $1F </NUMBER><text>   </text><Big>0xFFFFFFFF</Big>"
      "<flag>tRUE</flag><Computed>99</Computed><Unknown>1</Unknown></SampleData>");
  EXPECT_EQ(d.Number, 31);
  EXPECT_EQ(d.Text, "");  // blanks only: empty after trimming
  EXPECT_EQ(d.Big, 0xFFFFFFFFu);
  EXPECT_TRUE(d.Flag);

  TSampleData e;
  e.LoadFromXML("<SampleData><Number></Number><Text><![CDATA[  x  ]]></Text></SampleData>");
  EXPECT_EQ(e.Number, 7);  // empty content keeps the value
  EXPECT_EQ(e.Text, "  x  ");

  int32_t v = 0;
  EXPECT_TRUE(XMLTryStrToInt("-2147483648", v));
  EXPECT_EQ(v, INT32_MIN);
  EXPECT_FALSE(XMLTryStrToInt("2147483648", v));
  EXPECT_TRUE(XMLTryStrToInt("$80000000", v));
  EXPECT_EQ(v, INT32_MIN);
  EXPECT_FALSE(XMLTryStrToInt("$100000000", v));
  EXPECT_FALSE(XMLTryStrToInt("12a", v));
  for (const char* wide : {"18446744073709551616", "18446744073709551617", "$10000000000000005",
                           "-18446744073709551617", "4294967296", "$100000001"})
    EXPECT_FALSE(XMLTryStrToInt(wide, v)) << wide;
}

TEST(PelXML, ConversionErrorStopsReading) {
  TSampleData d;
  try {
    d.LoadFromXML("<SampleData><Big>5</Big><Number>12a</Number><Text>late</Text></SampleData>");
    FAIL() << "no error";
  } catch (const EXMLException& e) {
    EXPECT_STREQ(e.what(), "('12a' is not a valid integer value)Error Processing XML - Number");
  }
  EXPECT_EQ(d.Big, 5u);       // read before the fault
  EXPECT_EQ(d.Text, "init");  // never reached
  EXPECT_EQ(d.Number, 7);

  try {
    d.LoadFromXML(
        "<SampleData><Stats><LxStoreItem><DataInt>x</DataInt></LxStoreItem></Stats></SampleData>");
    FAIL() << "no error";
  } catch (const EXMLException& e) {
    EXPECT_STREQ(e.what(),
                 "(('x' is not a valid integer value)Error Processing XML - DataInt)"
                 "Error with property - Stats");
  }
  EXPECT_THROW(d.LoadFromXML("<SampleData><Flag>yes</Flag></SampleData>"), EXMLException);
}

TEST(PelXML, FindingTheRootElement) {
  TSampleData d;
  d.LoadFromXML(
      "junk <?xml version = \"1.0\"?><!DOCTYPE x [<!ENTITY a \"<SampleData>\">]>"
      "<Other><SampleData><Number>1</Number></SampleData></Other>"
      "<sampledata><Number>2</Number></sampledata>");
  EXPECT_EQ(d.Number, 2);  // the nested one lies inside another element and is skipped

  // Nested same-name elements balance: the outer element's content holds the inner one.
  std::string_view content;
  size_t pos = 0;
  ASSERT_TRUE(XMLElementContent("<a>1<a>2</a>3</a>4</a>", "a", pos, content));
  EXPECT_EQ(content, "1<a>2</a>3");
  EXPECT_EQ(pos, 17u);
  pos = 0;
  EXPECT_FALSE(XMLElementContent("<a><a></a>", "a", pos, content));

  // A tag without its balancing end ends reading quietly.
  TSampleData m;
  m.LoadFromXML("<SampleData><Number>3</Number><Text>cut");
  EXPECT_EQ(m.Number, 7);  // the root itself is unbalanced: empty body
  m.LoadFromXML("<SampleData><Number>3</Number><Text>cut</SampleData>");
  EXPECT_EQ(m.Number, 3);
  EXPECT_EQ(m.Text, "init");
}

TEST(PelXML, CollectionItemsAreExactCase) {
  TLxStoreItems items;
  items.Add()->Title = "old";
  items.LoadFromXML(
      "<LxStoreItems><LxStoreItem><Title>a</Title></LxStoreItem><lxstoreitem><Title>b</Title>"
      "</lxstoreitem><LxStoreItem></LxStoreItem></LxStoreItems>");
  ASSERT_EQ(items.Count(), 2);
  EXPECT_EQ(items.Items(0)->Title, "a");
  EXPECT_EQ(items.Items(1)->Title, "");
  EXPECT_THROW(items.Items(2), ELxError);
  items.Delete(0);
  EXPECT_EQ(items.Count(), 1);
}

class PelXMLFiles : public TempFolderTest {};

TEST_F(PelXMLFiles, MissingFileKeepsObjectAndEmptiesCollection) {
  TSampleData d;
  d.Number = 5;
  d.LoadFromFile(Root + "none.xml");
  EXPECT_EQ(d.Number, 5);
  TLxStoreItems items;
  items.Add();
  items.LoadFromFile(Root + "none.xml");
  EXPECT_EQ(items.Count(), 0);
}

TEST_F(PelXMLFiles, UnreadableFileRaisesAndKeepsTheCollection) {
  TLxStoreItems items;
  items.Add()->DataStr = "kept";
  items.SaveToFile(Root + "items.xml");
  ASSERT_EQ(chmod((Root + "items.xml").c_str(), 0), 0);
  const test::TAsOrdinaryUser user;
  EXPECT_EQ(XMLReadFile(Root + "none.xml"), "");
  try {
    items.LoadFromFile(Root + "items.xml");
    FAIL() << "no error";
  } catch (const ELxError& e) {
    EXPECT_EQ(std::string(e.what()).rfind("Cannot open file \"" + Root + "items.xml\"", 0), 0u)
        << e.what();
  }
  ASSERT_EQ(items.Count(), 1);
  EXPECT_EQ(items.Items(0)->DataStr, "kept");
  // A folder where the file should be is not a missing file either.
  ASSERT_TRUE(ForceDirectories(Root + "dir.xml"));
  EXPECT_THROW(XMLReadFile(Root + "dir.xml"), ELxError);
}

TEST_F(PelXMLFiles, FilesAreExactBytesAndReadUpToNul) {
  TLxStoreItems items;
  items.Add()->DataStr = "x";
  items.SaveToFile(Root + "items.xml");
  EXPECT_EQ(Read("items.xml"),
            "<?xml version = \"1.0\"?><LxStoreItems><LxStoreItem><DataInt>0</DataInt>\r\n"
            "<DataInt2>0</DataInt2>\r\n<DataStr>x</DataStr>\r\n<Title></Title>\r\n"
            "</LxStoreItem>\r\n</LxStoreItems>");
  TSampleData d;
  d.SaveToFile(Root + "d.xml");
  EXPECT_EQ(Read("d.xml").rfind("<SampleData><Big>0</Big>\r\n", 0), 0u);

  Write("nul.xml", std::string("<SampleData><Number>4</Number>\0<Text>x</Text></SampleData>", 57));
  TSampleData n;
  n.LoadFromFile(Root + "nul.xml");
  EXPECT_EQ(n.Number, 7);  // the text ends at the NUL: the root never closes
}

TEST_F(PelXMLFiles, FailedSaveLeavesThePreviousFile) {
  TSampleData d;
  d.SaveToFile(Root + "d.xml");
  const std::string before = Read("d.xml");
  d.Number = 99;
  // The temporary name is taken by a folder: the write cannot start.
  ASSERT_TRUE(ForceDirectories(Root + "d.xml.tmp/x"));
  EXPECT_THROW(d.SaveToFile(Root + "d.xml"), ELxError);
  EXPECT_EQ(Read("d.xml"), before);
  // A missing folder is a file error too.
  EXPECT_THROW(d.SaveToFile(Root + "no/such/d.xml"), ELxError);
}

TEST_F(PelXMLFiles, FullDiskMidWriteLeavesThePreviousFile) {
  TLxStoreItems items;
  items.SaveToFile(Root + "items.xml");
  const std::string before = Read("items.xml");
  for (int i = 0; i < 2000; ++i) items.Add()->DataStr = "a fairly long value to fill the disk";
  // A file size limit stands for a full disk: the write stops part of the way.
  rlimit old{};
  ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &old), 0);
  const auto oldHandler = signal(SIGXFSZ, SIG_IGN);
  rlimit small = old;
  small.rlim_cur = 4096;
  ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
  EXPECT_THROW(items.SaveToFile(Root + "items.xml"), ELxError);
  setrlimit(RLIMIT_FSIZE, &old);
  signal(SIGXFSZ, oldHandler);
  EXPECT_EQ(Read("items.xml"), before);
  EXPECT_FALSE(Exists("items.xml.tmp"));
}

}  // namespace lx
