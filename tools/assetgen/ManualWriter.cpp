#include "ManualWriter.h"

#include "OutputDir.h"
#include "SymbolSet.h"
#include "SymbolSheets.h"

#include <QString>

#include <sstream>

namespace {
std::string esc(const QString& text) { return text.toHtmlEscaped().toStdString(); }

const char* kStyle = R"(<style type="text/css">
body { font-family: sans-serif; font-size: 10pt; color: #1a1a1a; background-color: #fffbe6; }
h1 { color: #b00000; font-size: 20pt; }
h2 { color: #1a2a80; font-size: 14pt; margin-top: 18px; }
h3 { color: #7a3b00; font-size: 12pt; }
.note { color: #555555; }
.key { font-family: monospace; font-weight: bold; background-color: #e8e8e8; }
.menu { font-weight: bold; color: #1a2a80; }
th { background-color: #1a2a80; color: #ffffff; }
td.pays { text-align: right; font-weight: bold; }
</style>)";

// Per-machine text that the pay tables alone do not tell.
std::string machineIntro(int index)
{
    switch (index) {
    case 0:
        return "<p>The classic fruit machine. The gold <b>Q medallion</b> is wild: it stands in for any "
               "fruit or bell in the three-of-a-kind lines and for cherries in the cherry lines. Cherries pay "
               "even when they show only on the first reel (or the first two), so watch the left reel. "
               "The lemon pays nothing.</p>";
    case 1:
        return "<p>Everything is about sevens. The <b>red seven</b> is wild for the blue, white and gold "
               "sevens. Any mix of sevens (red, blue, white and gold together) still pays, and so does any "
               "mix of single and double bars. Bars are never replaced by a wild seven. The lemon pays "
               "nothing.</p>";
    default:
        return "<p>A pirate treasure hunt. The <b>Jolly Roger</b> is wild: it stands in for every treasure "
               "and for the anchor. The <b>treasure chest</b> pays no credits, but a chest anywhere on the "
               "pay line starts <b>Spin 'til You Win!</b> (see below).</p>";
    }
}
} // namespace

std::string ManualWriter::slug(const SymbolSet& machine) { return machine.anchor(); }

std::string ManualWriter::html(const std::vector<const SymbolSet*>& machines)
{
    std::ostringstream h;
    h << "<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 4.01//EN\">\n<html>\n<head>\n"
         "<meta http-equiv=\"Content-Type\" content=\"text/html; charset=utf-8\">\n"
         "<title>Quintel Slots 95 Manual</title>\n"
      << kStyle << "\n</head>\n<body>\n";
    h << "<h1>Quintel Slots 95</h1>\n"
         "<p>Three slot machines in one cabinet: <b>Quintel Slots</b>, <b>Lucky 7 Slots</b> and "
         "<b>Treasure Chest Slots</b>. Each has three reels of 28 symbols, one pay line and eight "
         "winning combinations, and each keeps its own bonus pool.</p>\n";
    h << "<p><b>Contents:</b> <a href=\"#play\">How to play</a> | <a href=\"#cabinet\">The cabinet</a> | ";
    for (const SymbolSet* m : machines) h << "<a href=\"#" << slug(*m) << "\">" << esc(m->machineName()) << "</a> | ";
    h << "<a href=\"#pool\">Bonus pool</a> | <a href=\"#free\">Spin 'til You Win!</a> | <a href=\"#auto\">Auto "
         "spin</a> | "
         "<a href=\"#autoplay\">Auto play settings</a> | <a href=\"#quick\">Quick stop</a> | "
         "<a href=\"#bank\">Borrowing</a> | <a href=\"#save\">Saving</a> | <a href=\"#menus\">Menus</a> | "
         "<a href=\"#sound\">Sound and music</a> | <a href=\"#reminders\">Reminders and loss limit</a> | "
         "<a href=\"#keys\">Keys</a></p>\n";

    h << "<h2><a name=\"play\"></a>How to play</h2>\n<ol>\n"
         "<li>Pick a bet amount in <span class=\"menu\">Options &rarr; Bet Amount</span>: <b>$1</b>, <b>$5</b> or "
         "<b>$10</b> per coin. The amount is shown in the dome at the top right of the cabinet.</li>\n"
         "<li>Insert coins by clicking the INSERT COIN plate or the top of the cabinet (the bonus pool display), or by "
         "pressing "
         "<span class=\"key\">B</span>. Each coin is taken from your credits at once. Up to three coins go in; "
         "the third coin pulls the lever by itself.</li>\n"
         "<li>Spin with fewer coins by clicking the reels or pressing <span class=\"key\">Enter</span>. Spinning "
         "without inserting new coins plays your last bet again.</li>\n"
         "<li>When the reels stop, the symbols under the red pay line are scored. A win shows its amount on its row of "
         "the <b>Payoffs</b> table and is counted into your credits one by one.</li>\n</ol>\n"
         "<p>Every payout is the number of credits you wagered times the combination's multiplier. The "
         "Payoffs table always shows what each combination pays for the coins currently inserted, and it is "
         "empty when no coins are in. Only the first matching combination, from the top of the table down, "
         "is paid.</p>\n"
         "<p class=\"note\">You start a new game with $500 in credits. The game never ends: when your credits "
         "run low, bet smaller coins or borrow from the bank.</p>\n";

    h << "<h2><a name=\"cabinet\"></a>The cabinet</h2>\n<ul>\n"
         "<li><b>Bonus pool</b> (large red digits at the top) and the red lamp beside it.</li>\n"
         "<li><b>Credits</b>: what you can spend. <b>Wager</b>: the credits in play on the coming spin.</li>\n"
         "<li>The three <b>reels</b> with the red <b>pay line</b> across the middle, and the lever at the right.</li>\n"
         "<li>The <b>banner</b> that scrolls your own message under the reels.</li>\n"
         "<li>The <b>Payoffs</b> table: each winning combination and what it pays right now.</li>\n"
         "<li>Beside the cabinet: the <b>Stats</b> panel (total wagers, total winnings and the payoff "
         "percentage of this machine) and the <b>Spins</b> counter.</li>\n</ul>\n";

    for (size_t i = 0; i < machines.size(); ++i) {
        const SymbolSet& m = *machines[i];
        h << "<h2><a name=\"" << slug(m) << "\"></a>" << esc(m.machineName()) << "</h2>\n"
          << machineIntro(static_cast<int>(i))
          << "\n<h3>Symbols</h3>\n<table cellspacing=\"4\" cellpadding=\"2\">\n<tr>";
        for (int s = 0; s < m.symbolCount(); ++s)
            h << "<td align=\"center\"><img src=\"manual/" << slug(m) << "-symbol" << s
              << ".png\" width=\"48\" height=\"48\"><br>" << esc(m.symbolName(s)) << "</td>";
        h << "</tr>\n</table>\n<h3>Pay table</h3>\n"
             "<table border=\"1\" cellspacing=\"0\" cellpadding=\"4\">\n"
             "<tr><th>Pay line</th><th>Combination</th><th>Pays per credit</th><th>Three $1 coins pay</th></tr>\n";
        for (int r = 0; r < 8; ++r) {
            h << "<tr><td><img src=\"manual/" << slug(m) << "-row" << r << ".png\"></td><td>" << esc(m.comboText(r))
              << (r == m.definition().poolCombination ? " &mdash; also wins the <b>bonus pool</b>" : "") << "</td>";
            if (m.multiplier(r) > 0)
                h << "<td class=\"pays\">" << m.multiplier(r) << "</td><td class=\"pays\">" << m.multiplier(r) * 3
                  << "</td>";
            else
                h << "<td class=\"pays\">free spins</td><td class=\"pays\">&mdash;</td>";
            h << "</tr>\n";
        }
        h << "</table>\n";
    }

    h << "<h2><a name=\"pool\"></a>Bonus pool</h2>\n"
         "<p>Every machine has its own bonus pool, shown in large red digits. It starts at $150 and grows by "
         "10 cents for every credit wagered on that machine. Three top symbols on the pay line win the whole "
         "pool on top of the normal payout, with flashing lights and bells. The pool then starts again at "
         "$150.</p>\n";
    h << "<h2><a name=\"free\"></a>Spin 'til You Win!</h2>\n"
         "<p>On <b>Treasure Chest Slots</b>, a treasure chest anywhere on the pay line starts free spins. The "
         "reels keep spinning at your last bet, without taking credits, until a spin wins; that win is paid "
         "as usual. During free spins the right-hand reel carries no chest, but a chest on the left or "
         "middle reel starts the free spins over again.</p>\n";
    h << "<h2><a name=\"auto\"></a>Auto spin</h2>\n"
         "<p>Check <span class=\"menu\">Auto Play &rarr; Auto Spin</span> and the machine repeats your last bet "
         "after every losing spin until a spin wins, until you uncheck it, or until your credits no longer "
         "cover the bet. The Auto Play menu stays available while the reels turn.</p>\n";
    h << "<h2><a name=\"autoplay\"></a>Auto play settings</h2>\n"
         "<p><span class=\"menu\">Auto Play &rarr; Auto Play Settings&hellip;</span> decides how long a run of "
         "auto spins lasts. <b>Spins per run</b> is 10, 25, 50, 100, 250, 500 or <b>Until stopped</b> (the "
         "start-up choice). A run also ends at the first of the stop conditions you check:</p>\n<ul>\n"
         "<li><b>On any win</b> (checked at the start, so that a run ends at its first win as above);</li>\n"
         "<li><b>On a single win of at least</b> an amount (the bonus pool counts with the win it came with);</li>\n"
         "<li><b>When credits fall below</b> an amount;</li>\n"
         "<li><b>When the bonus pool is won</b>;</li>\n"
         "<li><b>When free spins start</b> (the free spins are played out first).</li>\n</ul>\n"
         "<p>While a counted run goes on, the Auto Play menu shows the spins left, for example "
         "<span class=\"menu\">Auto Play (12 left)</span>. Press <span class=\"key\">Esc</span> or "
         "<span class=\"key\">Space</span>, or click the reels, to end the run once the spin in play is over; "
         "Auto Spin stays checked for your next bet. Auto play never borrows: when your credits no longer cover "
         "the bet, it stops.</p>\n";
    h << "<h2><a name=\"quick\"></a>Quick stop</h2>\n"
         "<p>Check <span class=\"menu\">Options &rarr; Quick Stop</span> (off at the start) to stop the reels "
         "yourself: press <span class=\"key\">Space</span> or <span class=\"key\">Enter</span> while they turn "
         "and they show their result at once, with one stop sound. The result is fixed before the reels move, so "
         "a quick stop never changes what a spin pays: the payout, the bonus pool and the statistics are exactly "
         "those of the same spin played out.</p>\n";
    h << "<h2><a name=\"bank\"></a>Borrowing</h2>\n"
         "<p><span class=\"menu\">Bank &rarr; Borrow</span> adds $50, $100, $250, $500 or $1000 to your credits. "
         "There is no limit and nothing to pay back; the bank only keeps count of the total borrowed. A new "
         "game starts again with $500 credits and $500 borrowed.</p>\n";
    h << "<h2><a name=\"save\"></a>Saving and loading</h2>\n"
         "<p><span class=\"menu\">File &rarr; Save</span> stores the game in one of ten named slots; "
         "<span class=\"menu\">File &rarr; Load</span> brings one back. The game in progress is also saved "
         "automatically when you quit and restored at the next start. Everything is kept in the file "
         "<span class=\"key\">~/.config/quintel-slots/QUINTEL.INI</span> (or under <span "
         "class=\"key\">$XDG_CONFIG_HOME</span> "
         "when that is set).</p>\n"
         "<p><span class=\"menu\">File &rarr; Change Game</span> moves to another machine and keeps your credits; "
         "<span class=\"menu\">File &rarr; New Game</span> starts a machine afresh with $500.</p>\n";
    h << "<h2><a name=\"statistics\"></a>Statistics</h2>\n"
         "<p>Every spin you play, paid or free, is written to your spin log "
         "<span class=\"key\">~/.local/share/quintel-slots/spins.sqlite</span> (or under <span "
         "class=\"key\">$XDG_DATA_HOME</span>). "
         "<span class=\"menu\">Help &rarr; Statistics&hellip;</span> shows this session, this game or all your games: "
         "your credits spin by spin, your return so far beside the machine's exact return with the band where "
         "ordinary luck lies for that many spins, how often each combination came up against how often it should, "
         "and your spins, time played, wagers, winnings, biggest win, longest run without a win, pools and free-spin "
         "sequences. <span class=\"menu\">Export&hellip;</span> saves the spins shown as a CSV file for a "
         "spreadsheet, one row a spin: its number, time, game and game number, the machine and the combination by "
         "number and by name, the reel stops, whether it was free, and the stake, the payout, the pool won and the "
         "credits after it, each in cents and in dollars.</p>\n";

    h << "<h2><a name=\"menus\"></a>Menus</h2>\n<table border=\"1\" cellspacing=\"0\" cellpadding=\"4\">\n"
         "<tr><th>Menu</th><th>Commands</th></tr>\n"
         "<tr><td class=\"menu\">File</td><td>Change Game, New Game, Load, Save, Quit</td></tr>\n"
         "<tr><td class=\"menu\">Options</td><td>Bet Amount ($10, $5, $1); Digit Colors (Blue, Cyan, Green, Purple, "
         "Red, White, Yellow); Banner (On, Off); Spin Speed (Very Fast, Fast, Medium, Slow); Sound (On, Off, the "
         "six sound switches, Music and Volume&hellip;); Banner Text; Window Size (100%, 150%, 200%, 300%); "
         "Quick Stop; Reminders&hellip;</td></tr>\n"
         "<tr><td class=\"menu\">Bank</td><td>Borrow ($1000, $500, $250, $100, $50)</td></tr>\n"
         "<tr><td class=\"menu\">Auto Play</td><td>Auto Spin, Auto Play Settings&hellip;</td></tr>\n"
         "<tr><td class=\"menu\">Help</td><td>About, Machine Odds, Game History, Statistics&hellip;, "
         "Manual</td></tr>\n</table>\n"
         "<p class=\"note\">While the reels turn, the File, Options, Bank and Help menus are switched off.</p>\n";
    h << "<h2><a name=\"sound\"></a>Sound and music</h2>\n"
         "<p><span class=\"menu\">Options &rarr; Sound</span> switches all sound on or off, and each of the six "
         "switches below it (spin, stop, win, lose, coin and credit sounds) on its own. Background music is "
         "off at the start: check <span class=\"menu\">Options &rarr; Sound &rarr; Music</span> to hear the three "
         "tunes of the machine you are playing, one after another.</p>\n"
         "<p><span class=\"menu\">Options &rarr; Sound &rarr; Volume&hellip;</span> has two sliders, one for the "
         "effects and one for the music, from 0 to 100 %. The sound changes while you move them; "
         "<b>Cancel</b> puts the levels back. Press <span class=\"key\">M</span> at any time to switch all "
         "sound off or on again, as <span class=\"menu\">Options &rarr; Sound &rarr; On / Off</span> do.</p>\n";
    h << "<h2><a name=\"reminders\"></a>Reminders and loss limit</h2>\n"
         "<p><span class=\"menu\">Options &rarr; Reminders&hellip;</span> can remind you every 15, 30 or 60 "
         "minutes (off at the start) how long this session has run and what it has wagered and won, with the "
         "net loss or gain. Choose <b>Keep Playing</b> to go on or <b>Quit</b> to close the game, which saves it "
         "as usual. A reminder that falls during a spin waits until the spin is over.</p>\n"
         "<p>In the same dialog you can set a <b>session loss limit</b>. Once the credits lost in this session "
         "(wagered minus won since the game started) reach it, new bets and auto play are refused with a "
         "message until you raise the limit or clear it.</p>\n"
         "<p class=\"note\">Your auto play, quick stop, volume and reminder choices are kept in the settings "
         "file and come back at the next start.</p>\n";
    h << "<h2><a name=\"keys\"></a>Keys</h2>\n<table border=\"1\" cellspacing=\"0\" cellpadding=\"4\">\n"
         "<tr><td><span class=\"key\">Enter</span></td><td>Spin (repeats the last bet when no coins are in); "
         "quick stop while the reels turn when Options &rarr; Quick Stop is checked</td></tr>\n"
         "<tr><td><span class=\"key\">B</span></td><td>Insert one coin</td></tr>\n"
         "<tr><td><span class=\"key\">Space</span></td><td>While the reels turn: quick stop (when Options &rarr; "
         "Quick Stop is checked) and end an auto play run</td></tr>\n"
         "<tr><td><span class=\"key\">Esc</span></td><td>End an auto play run after the spin in play</td></tr>\n"
         "<tr><td><span class=\"key\">M</span></td><td>Sound on or off</td></tr>\n"
         "<tr><td><span class=\"key\">F1</span></td><td>This manual</td></tr>\n"
         "<tr><td><span class=\"key\">Ctrl++</span>, <span class=\"key\">Ctrl+-</span></td><td>Next larger or "
         "smaller window size</td></tr>\n"
         "<tr><td><span class=\"key\">Ctrl+0</span></td><td>Window size 100%</td></tr>\n</table>\n";
    h << "<p class=\"note\">All pictures, sounds and music of Quintel Slots 95 are made by the generator in the "
         "game's source tree (tools/assetgen).</p>\n</body>\n</html>\n";
    return h.str();
}

void ManualWriter::write(OutputDir& out, const std::vector<const SymbolSet*>& machines)
{
    for (const SymbolSet* m : machines) {
        for (int s = 0; s < m->symbolCount(); ++s)
            out.writePng("manual/" + slug(*m) + "-symbol" + std::to_string(s) + ".png",
                         SymbolSheets::symbol(*m, s, 48));
        for (int r = 0; r < 8; ++r)
            out.writePng("manual/" + slug(*m) + "-row" + std::to_string(r) + ".png", SymbolSheets::legendStrip(*m, r));
    }
    out.writeText("manual.html", html(machines));
}
