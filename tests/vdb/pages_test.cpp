// Ratings, previews, covers, advice and the pages the program opens in a browser.
#include "vdb/sqlite_statement.h"
#include "vdb_service.h"

namespace {

class Pages : public VdbService {
  protected:
    void SetUp() override {
        VdbService::SetUp();
        AddFiveTitles();
    }
    std::string IdOf(const std::string& title) {
        const Results results = List("f=" + Encoded(title) + "&c=Title&mc=1");
        return results.rows.empty() ? "" : results.rows[0][0];
    }
    std::string Rate(const std::string& vals, const std::string& stars) {
        const Reply reply =
            Get("/rd/1.0/action/rate_videos.pl?vals=" + Encoded(vals) + "&r=" + stars);
        return std::to_string(reply.status) + " " + reply.body;
    }
};

TEST_F(Pages, RatingsAreAveragedPerTitleAndShownOnThePreview) {
    EXPECT_EQ(Rate("Alien_IS_1979_SEP_", "5"), "200 Rated 1\n");
    EXPECT_EQ(Rate("alien_IS_1979_SEP_aliens_IS_1986_SEP_", "2"), "200 Rated 2\n");
    // A title listed with its article at the back, as the program may keep it.
    EXPECT_EQ(Rate("Abyss, The_IS_1989_SEP_", "4"), "200 Rated 1\n");
    EXPECT_EQ(Rate("Alien_IS_1980_SEP_Nothing_IS_1979_SEP_", "5"), "200 Rated 0\n");
    for (const char* stars : {"0", "6", "x", "", "55"}) {
        EXPECT_EQ(Rate("Alien_IS_1979_SEP_", stars).substr(0, 3), "400") << stars;
    }
    EXPECT_NE(Get("/rd/1.0/action/preview.pl?v=" + IdOf("Alien") + "&time=1")
                  .body.find("3.5 of 5 (2 ratings)"),
              std::string::npos);
    EXPECT_NE(
        Get("/rd/1.0/action/preview.pl?v=" + IdOf("The Abyss")).body.find("4.0 of 5 (1 rating)"),
        std::string::npos);
    EXPECT_EQ(Column(List("f=&c=All&s=Rating&l=3"), 2),
              (std::vector<std::string>{"The Abyss", "Alien", "aliens"}));
}

TEST_F(Pages, PreviewEscapesEveryStoredText) {
    const Reply reply = Get("/rd/1.0/action/preview.pl?v=" + IdOf("<b>Bold</b> & \"Co\""));
    ASSERT_EQ(reply.status, 200);
    EXPECT_EQ(reply.type, "text/html; charset=utf-8");
    EXPECT_NE(reply.body.find("&lt;b&gt;Bold&lt;/b&gt; &amp; &quot;Co&quot;"), std::string::npos);
    EXPECT_NE(reply.body.find("&lt;script&gt;x&lt;/script&gt;"), std::string::npos);
    EXPECT_EQ(reply.body.find("<script>"), std::string::npos);
    EXPECT_EQ(reply.body.find("<b>"), std::string::npos);
    const Reply lines = Get("/rd/1.0/action/preview.pl?v=" + IdOf("Tom | Jerry"));
    EXPECT_NE(lines.body.find("Line one<br>Line two<br>three|four"), std::string::npos);
}

TEST_F(Pages, EveryTitleHasACoverAtTheAddressOfItsResultLine) {
    catalogue_->Add({{{"1995", "Gif Cover", "", "", "", "", "", "", "", ""},
                      vdb::Cover{std::string("GIF89a\x01\0\x01\0", 10), "gif"}}});
    for (const auto& row : List("f=&c=All&l=50").rows) {
        const Reply cover = Get("/images/" + row[11] + "/" + row[12]);
        ASSERT_EQ(cover.status, 200) << row[2];
        if (row[2] == "Gif Cover") {
            EXPECT_EQ(row[12], row[0] + ".gif");
            EXPECT_EQ(cover.type, "image/gif");
            EXPECT_EQ(cover.body, std::string("GIF89a\x01\0\x01\0", 10));
        } else {
            EXPECT_EQ(cover.type, "image/jpeg");
            EXPECT_EQ(cover.body.substr(0, 3), "\xFF\xD8\xFF") << row[2];
        }
    }
    const std::string id = IdOf("Alien");
    for (const std::string& wrong :
         {"2/" + id + ".jpg", "1/" + id + ".gif", "1/" + id, std::string("1/999.jpg")}) {
        EXPECT_EQ(Get("/images/" + wrong).status, 404) << wrong;
    }
}

TEST_F(Pages, AdviceIsKept) {
    EXPECT_EQ(Get("/rd/1.0/action/advise.pl?f=" + Encoded("Brazil & <Co>") + "&c=Title").status,
              200);
    EXPECT_EQ(Get("/rd/1.0/action/advise.pl?f=&c=Title").status, 400);
    EXPECT_EQ(Get("/rd/1.0/action/advise.pl?f=Brazil").status, 400);
    vdb::SqliteConnection db(folder_ / "catalogue.sqlite");
    vdb::SqliteStatement advice(db, "SELECT find, look_in FROM advice");
    ASSERT_TRUE(advice.Step());
    EXPECT_EQ(advice.Text(0), "Brazil & <Co>");
    EXPECT_EQ(advice.Text(1), "Title");
    EXPECT_FALSE(advice.Step());
}

TEST_F(Pages, TheProgramsOtherAddressesAnswerWithPages) {
    const struct {
        std::string path;
        std::string part;
    } cases[] = {
        {"/rd/1.0/vidwiz/sip.html", "Searching the Reeldeck Video Database..."},
        {"/rd/1.0/vidwiz/sipidle.html", "click a result"},
        {"/", "5 titles"},
        {"/vdb/", "<form action=\"/vdb/\""},
        {"/vdb/?f=alien&c=Title", "preview.pl?v=" + IdOf("aliens") + "\">aliens</a>"},
        {"/vdb/boxoffice/", "Best rated"},
        {"/vdb/upcoming/", "Newest"},
        {"/rd/1.0/guide/", "Video Import Wizard"},
        {"/rd/1.0/upgrade/?v=1.0", "newest version"},
        {"/contact/?pr=Reeldeck%201.0&ca=Feedback&sr=1&os=%3Cx%3E&ra=512%20MB", "&lt;x&gt;"},
        {"/rd/1.0/action/list.pl?t=Alien", ">Alien</a>"},
        {"/rd/1.0/action/list.pl?c=Horror", ">Alien</a>"},
    };
    for (const auto& c : cases) {
        const Reply reply = Get(c.path);
        EXPECT_EQ(reply.status, 200) << c.path;
        EXPECT_NE(reply.body.find(c.part), std::string::npos) << c.path;
    }
}

}  // namespace
