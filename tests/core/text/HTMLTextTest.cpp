#include "core/text/HTMLText.h"

#include <gtest/gtest.h>
#include <string>

using namespace marklode;

TEST(HTMLTextTest, ReadsFragmentsAsTheirText) {
    struct Case {
        std::string html;
        std::string text;
    };
    const Case cases[] = {
        {"", ""},
        {"<b>Open</b> <i>daily</i>", "Open daily"},
        {"a<BR>b<br/>c<Br />d<br\n/>e", "a\nb\nc\nd\ne"},
        {"<p>One</p><p>Two</p><div>Three</div><ul><li>x</li><li>y</li></ul>",
         "One\nTwo\nThree\nx\ny"},
        {"<p>  lots   of \t\n space  </p>", "lots of space"},
        {"<br><br>  <br>gap<br><br>", "gap"},
        {"Fish &amp; chips &lt;3 &gt; &quot;q&quot; &apos;a&apos;", "Fish & chips <3 > \"q\" 'a'"},
        {"<i>a</i>&nbsp;&nbsp;b", "a b"},
        {"&#233;&#xE9;&#XE9; &#x1F600;", "\xC3\xA9\xC3\xA9\xC3\xA9 \xF0\x9F\x98\x80"},
        {"&#0; &#xD800; &#x110000; &#; &#x; &copy; &amp AT&T &#12a;<b></b>",
         "&#0; &#xD800; &#x110000; &#; &#x; &copy; &amp AT&T &#12a;"},
        {"a &#10; b<br>", "a b"},
        {"x < y and 1<2 <b>", "x < y and 1<2"},
        {"<a href=\"u?a>b\" title='>'>link</a>", "link"},
        {"<b unclosed", "<b unclosed"},
        {"<!-- hidden <br> -->shown<!-- open", "shown<!-- open"},
        {"<style>p { color: red }</style><SCRIPT>x<1</Script>body", "body"},
        {"<table><tr><td>a</td><td>b</td></tr><tr><td>c</td></tr></table>", "a b\nc"},
        // Without any tag it is plain text, whose line breaks stay.
        {"  first line \r\n\n second\rthird  ", "first line\nsecond\nthird"},
        {"no tags &amp; entities\nkept apart", "no tags & entities\nkept apart"},
        {"\xE3\x80\x80wide<br>\xC2\xA0", "wide"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(plainTextFromHTML(c.html), c.text) << c.html;
}
