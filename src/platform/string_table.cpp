#include "platform/string_table.h"

#include <algorithm>
#include <iterator>

namespace {

struct ResString {
    int id;
    const char* text; // UTF-8
};

// One line per id, ordered by id.
constexpr ResString kStrings[] = {
    // Start screen
    {1203, "Unable to load registry data."},
    {1204, "Gatrel - Simulation of Logic Circuits"},
    {1206, "Starting Gatrel..."},
    {1207, "Unable to register file types."},

    // Boolean algebra window
    {1500, "Boolean algebra"},
    {1501, "Term"},
    {1502, "Preview"},
    {1503, "Synthesis"},
    {1504, "Truth table"},
    {1505, "Term synthesis"},
    {1506, "Spaces"},
    {1507, "Circuit"},
    {1508, "Elements (X)"},
    {1509, "Elements (Y)"},
    {1510, "Switches"},
    {1511, "Simplify"},
    {1512, "Quick"},
    {1513, "Close"},
    {1514, "Generate"},
    {1515, "Delete existing circuit"},
    {1516, "Calculate table"},
    {1517, "Sorting"},
    {1518, "Generate circuit"},
    {1519, "Generate term"},
    {1520, "Presort table"},
    {1521, "Delete table"},
    {1522, "Term mode"},
    {1523, "All elements"},
    {1524, "NAND"},
    {1525, "NOR"},
    {1526, "Undefined index!"},
    {1527, "Would you like to overwrite the existing circuit?"},
    {1528, "Please wait..."},
    {1530, "Circuit synthesis"},
    {1531, "Simplified"},
    {1532, "Corrected"},
    {1533, "Error"},
    {1534, "Sum of products"},
    {1535, "Conjunctive normal"},

    // Print dialog
    {1800, "Printer:"},
    {1801, "Quality:"},
    {1802, "# of copies:"},
    {1803, "Print IC circuits"},
    {1804, "# of pages:"},
    {1805, "&Print"},
    {1806, "&Close"},
    {1807, "Print circuit"},
    {1808, "Draft"},
    {1809, "Low"},
    {1810, "Medium"},
    {1811, "High"},
    {1812, "No printer was found. Please install a printer driver first."},
    {1813, "Gatrel Message"},
    {1814, "PDF file"},
    {1815, "Print into a PDF file"},
    {1816, "PDF file|*.pdf"},
    {1817, "The circuit could not be printed."},

    // IC definition window
    {1900, "Create IC"},
    {1901, "Width"},
    {1902, "Height"},
    {1903, "Notes"},
    {1904, "Save"},
    {1905, "Close"},
    {1906, "New File - Gatrel"},
    {1908, "You have to specify the IC-Interface."},
    {1909, "You can not use clock generators in IC's."},
    {1910, "You have to specify a name."},
    {1911, "IC created successfully."},
    {1912, "The IC name may hold only letters, digits, blanks, \"_\", \"(\" and \")\"."},
    {1913, "The circuit uses the IC '%1' itself, so it cannot be saved under that name."},

    // IC connector dialog
    {2000, "IC connectors"},
    {2001, "Connector name"},
    {2002, "Find next connector"},

    // IC manager
    {2100, "View"},
    {2101, "Large icons"},
    {2102, "Small icons"},
    {2103, "Details"},
    {2104, "Refresh"},
    {2105, "Close"},
    {2106, "IC"},
    {2107, "Edit"},
    {2108, "Delete"},
    {2109, "Import"},
    {2110, "Opening the selected IC closes the current circuit. Continue?"},
    {2111, "Open IC"},
    {2112, "Import IC"},
    {2113, "Could not find the specified file."},
    {2114, "Invalid file type."},
    {2115, "IC already exists."},
    {2116, "Looking for dependencies..."},
    {2117, "IC %1 is beeing used by the following ICs:"},
    {2118, "Delete IC"},
    {2119, "Do you want to delete IC '%1'?"},
    {2120, "No notes"},
    {2121, "Faulty"},
    {2122, "No dependencies"},
    {2124, "Could not find ICs:"},
    {2125, "IC elements"},
    {2126, "IC name"},
    {2127, "Notes"},

    // About box
    {2303, "Gatrel - Simulation of Logic Circuits"},
    {2307, "Close"},

    // Main window: File, Edit and View menus
    {2400, "File"},
    {2401, "Create.."},
    {2402, "Open.."},
    {2403, "Save"},
    {2404, "Save as.."},
    {2405, "Save as Bitmap.."},
    {2406, "Print.."},
    {2407, "Exit"},
    {2410, "Edit"},
    {2411, "Undo"},
    {2412, "Undo list"},
    {2413, "Delete"},
    {2420, "View"},
    {2421, "Zoom out"},
    {2422, "Zoom in"},
    {2423, "Full size"},
    {2424, "Fit to worksheet"},
    {2425, "Fit to height"},
    {2426, "Fit to width"},
    {2427, "Control panel"},
    {2428, "Properties panel"},
    {2429, "Worksheet panel"},
    {2430, "Scale panel"},
    {2431, "Layers panel"},
    {2432, "IC management"},
    {2433, "9-channel logic analyzer"},
    {2434, "Show grid"},

    // Main window: Components menu
    {2450, "Components"},
    {2451, "Conductor"},
    {2452, "Juncture"},
    {2453, "Coupling diode"},
    {2454, "Negation marker"},
    {2455, "Analysis sensor"},
    {2456, "LED"},
    {2457, "Switch"},
    {2458, "Inverter"},
    {2459, "AND element"},
    {2460, "OR element"},
    {2461, "XOR element"},
    {2462, "Half-adder"},
    {2463, "Full-adder"},
    {2464, "Flip-flop"},
    {2465, "Multiplexer"},
    {2466, "Decoder"},
    {2467, "Clock generator"},
    {2468, "Shift register"},
    {2469, "7-segment display"},
    {2470, "IC"},

    // Main window: Circuit, Extras and Help menus
    {2471, "Circuit"},
    {2472, "Start simulation"},
    {2473, "Stop simulation"},
    {2474, "Generate circuit from Boolean term.."},
    {2475, "Calculate truth table.."},
    {2476, "Create Boolean term.."},
    {2477, "Create IC.."},
    {2481, "Number conversion.."},
    {2482, "Settings.."},
    {2491, "Help.."},
    {2492, "Gatrel on the net.."},
    {2493, "Support.."},
    {2494, "About Gatrel.."},
    {2495, "No web browser could be opened. The Gatrel web page is at\n%1"},

    // Main window start-up
    {2500, "Initializing objects.."},
    {2501, "Loading default settings.."},
    {2503, "Gatrel Message"},
    {2504, "Unable to locate directory\\n%1!\\nUsing default working directory!"},
    {2505, "Configuring GUI.."},
    {2506, "Unsaved circuit - Gatrel"},

    // Selected-tool display
    {2510, "Selected:"},
    {2511, "Conductor"},
    {2512, "Pointer"},
    {2513, "Juncture"},
    {2514, "Coupling diode"},
    {2515, "Negation"},
    {2516, "LED"},
    {2517, "Switch"},
    {2518, "Inverter"},
    {2519, "AND"},
    {2520, "OR"},
    {2521, "XOR"},
    {2522, "Half-adder"},
    {2523, "Full-adder"},
    {2524, "TriState gate"},
    {2525, "Decoder"},
    {2526, "Shift register"},
    {2527, "Multiplexer"},
    {2528, "Flip-flop"},
    {2529, "Clock gen."},
    {2530, "7-segment dis."},
    {2531, "IC"},
    {2532, "Text"},
    {2533, "IC Definition"},
    {2534, "Analysis"},
    {2535, "Simulation"},

    // Side panels
    {2540, "Number of cycles:"},
    {2541, "Resize worksheet:"},
    {2542, "Scale:"},
    {2543, "Root layer"},
    {2544, "Connectors"},
    {2545, "Choose color:"},
    {2546, "Name of IC:"},
    {2547, "Orientation:"},
    {2548, "Selected components:"},
    {2549, "Frame:"},
    {2550, "High-level components:"},
    {2551, "Delay:"},
    {2552, "Preview"},
    {2553, "[Off]"},
    {2554, "Defective"},
    {2555, "Simulation in progress.."},
    {2556, "Delay:"},
    {2557, "Off"},

    // High-level component box
    {2560, "Flip-flop"},
    {2561, "Multiplexer"},
    {2562, "Shift register"},
    {2563, "Clock generator"},
    {2564, "7-segment display"},

    // Power panel and engine state
    {2570, "Initializing.."},
    {2571, "Paused"},
    {2572, "Ready"},
    {2573, "Continue"},
    {2574, "&Pause"},
    {2575, "Simulation interrupted"},
    {2576, "Simulation has been aborted.\\nPlease check for infinite loops."},
    {2577, "Simulation aborted"},
    {2578, "&Abort"},
    {2579, "Clock input"},

    // Undo steps
    {2580, "Undo: "},
    {2581, "Undo: Impossible"},
    {2582, "Place LED"},
    {2583, "Delete LED"},
    {2584, "Place AND/OR/XOR"},
    {2585, "Delete AND/OR/XOR"},
    {2586, "Place inverter"},
    {2587, "Delete inverter"},
    {2588, "Place switch"},
    {2589, "Delete switch"},
    {2590, "Delete text"},
    {2591, "Place HA"},
    {2592, "Place FA"},
    {2593, "Delete HA or FA"},
    {2594, "Place clock generator"},
    {2595, "Delete clock generator"},
    {2596, "Place multiplexer"},
    {2597, "Delete multiplexer"},
    {2598, "Place decoder"},
    {2599, "Delete decoder"},
    {2600, "Place flip-flop"},
    {2601, "Place coupling diode"},
    {2602, "Delete coupling diode"},
    {2603, "Place juncture"},
    {2604, "Delete juncture"},
    {2605, "Place negation marker"},
    {2606, "Delete negation marker"},
    {2607, "Delete flip-flop"},
    {2608, "Place shift register"},
    {2609, "Delete shift register"},
    {2610, "Place 7-segment display"},
    {2611, "Place IC"},
    {2612, "Delete IC"},
    {2613, "Delete area"},
    {2614, "Move object(s)"},
    {2615, "Delete conductor(s)"},
    {2616, "Draw conductor(s)"},
    {2617, "Move area"},
    {2618, "Enter text"},
    {2619, "Delete analysis sensor"},
    {2620, "Place analysis sensor"},
    {2621, "Delete 7-segment display"},
    {2622, "Place TriState gate"},
    {2623, "Delete TriState gate"},

    // Worksheet redraw, closing, delay slider
    {2700, "Drawing conductors.."},
    {2701, "Drawing objects.."},
    {2702, "%1\\nhas been modified.\\nDo you want to save your changes?"},
    {2703, "Your circuit has not yet been saved.\\nDo you want to save it now?"},
    {2707, "1 cycle"},
    {2708, "%1 cycles"},

    // Toolbar tooltips: main toolbar
    {2800, "Create new file"},
    {2801, "Open existing file"},
    {2802, "Save file"},
    {2803, "Print circuit"},
    {2804, "Cut"},
    {2805, "Copy"},
    {2806, "Paste"},
    {2807, "Undo"},
    {2808, "Undo list"},
    {2809, "Generate circuit from Boolean term"},
    {2810, "Generate truth table from Boolean term"},
    {2811, "Create IC"},
    {2812, "IC Management"},
    {2813, "Settings"},
    {2814, "Show grid"},
    {2815, "Control panel"},
    {2816, "Properties panel"},
    {2817, "Worksheet panel"},
    {2818, "Scale panel"},
    {2819, "Layers panel"},
    {2820, "Command line panel"},
    {2821, "Quickhelp"},

    // Toolbar tooltips: element toolbar
    {2822, "Select objects"},
    {2823, "Text"},
    {2824, "Draw conductors"},
    {2825, "LED"},
    {2826, "Switch"},
    {2827, "Inverter"},
    {2828, "Juncture"},
    {2829, "Coupling diode"},
    {2830, "Negation marker"},
    {2831, "Analysis sensor"},
    {2832, "UND element"},
    {2833, "OR element"},
    {2834, "XOR element"},
    {2835, "Half-adder"},
    {2836, "Full-adder"},
    {2837, "TriState gate"},
    {2838, "Decoder"},
    {2839, "Decoder with clock input"},
    {2840, "High-level component"},
    {2841, "IC"},

    // Toolbar tooltips: clock generator and zoom toolbars
    {2842, "Infinite clock"},
    {2843, "Single clock"},
    {2844, "Deactivate this clock generator"},
    {2845, "Deactivate all clock generators"},
    {2846, "Full size"},
    {2847, "Fit to worksheet"},
    {2848, "Fit to height"},
    {2849, "Fit to width"},
    {2850, "Zoom in"},
    {2851, "Zoom out"},

    // Layers panel notes, bitmap export
    {2852, "Notes"},
    {2853, "Save as bitmap"},

    // Number conversion tool
    {3500, "Number conversion tool"},
    {3501, "Decimal:"},
    {3502, "Hexadecimal:"},
    {3503, "Binary:"},
    {3504, "Octal:"},
    {3505, "Maximum value: 16777215 (decimal)"},

    // Settings dialog
    {3600, "Settings"},
    {3601, "General"},
    {3602, "Directories"},
    {3603, "Elements"},
    {3604, "Features"},
    {3605, "Enable auto scrolling"},
    {3606, "Automatically abort after"},
    {3607, "steps"},
    {3608, "undo steps"},
    {3609, "Save ICs with circuit"},
    {3610, "Show start screen"},
    {3611, "OK"},
    {3612, "Cancel"},
    {3613, "Circuit directory"},
    {3614, "IC directory"},
    {3615, "Bitmap directory"},
    {3616, "Set \"My Files\" for all"},
    {3617, "Inverter"},
    {3618, "AND"},
    {3619, "OR"},
    {3620, "XOR"},
    {3621, "Half adder"},
    {3622, "Full adder"},
    {3623, "Flip-flop"},
    {3624, "Multiplexer"},
    {3625, "Decoder"},
    {3626, "Clock generator"},
    {3627, "Shift register"},
    {3628, "7-segment display"},
    {3629, "Analysis sensor"},
    {3630, "IC"},
    {3631, "Circuit synthesis"},
    {3632, "Truth table"},
    {3633, "Term synthesis"},
    {3634, "Simplification"},
    {3635, "Create IC"},
    {3636, "9-channel logic analyzer"},
    {3637, "Number conversion"},
    {3638, "Could not create directory"},
    {3639, "The permissions could not be saved to '%1'.\n%2"},

    // Password change dialog
    {3900, "Change password"},
    {3901, "Old password:"},
    {3902, "New password:"},
    {3903, "Confirmation:"},
    {3904, "C&hange"},
    {3905, "&Cancel"},
    {3906, "Old password is incorrect!"},
    {3907, "Length of password is limited to 20 characters!"},
    {3908, "Password contains invalid characters!"},
    {3909, "New password does not match with confirmation!"},

    // Password prompt
    {4000, "Gatrel Message"},
    {4001, "This feature is password protected."},
    {4002, "Please enter password:"},
    {4003, "C&hange"},
    {4004, "&OK"},
    {4005, "&Cancel"},
    {4006, "Wrong password!"},

    // Undo list dialog
    {4300, "Undo %1 steps:"},
    {4301, "&Undo"},
    {4302, "&Close"},
    {4303, "Please wait.."},
    {4304, "%1% done"},
    {4305, "Undo list"},
    {4306, "Undo 1 step"},

    // Directory chooser
    {4400, "Select directory"},
    {4401, "Drive"},
    {4402, "Directory"},
    {4403, "Create new directory"},
    {4404, "Cancel"},
    {4405, "OK"},
    {4406, "Current directory: %1 Please enter the name for the new directory:"},

    // Simulation input
    {4513, "Please select an end of the conductor."},

    // Circuit file dialog, printing, stored permissions
    {4606, "*.GTR (Gatrel file)|*.gtr"},
    {4607, "Save file as"},
    {4611, "<No name>"},
    {4617, "Unable to read Gatrel permissions\\nfrom registry. Please reinstall Gatrel."},
    {4618, "An error occurred while processing Gatrel permission data.\\nPlease reinstall Gatrel."},

    // Operating-system name
    {5600, "Unknown operating system"},

    // Term checker
    {5700, "Invalid bracket term or invalid negation."},
    {5701, "Invalid character"},

    // Truth table and circuit synthesis
    {6198, "A term may contain at most 14 variables."},
    {6199, "Nicht möglich"},
    {6200, "Result"},
    {6201, "done"},
    {6202, "Calculation of truth table was aborted by user."},
    {6203, "Truth table"},
    {6204, "Invalid use of operators."},
    {6205, "Invalid negation."},
    {6206, "Invalid symbol."},
    {6207, "Invalid bracket term."},
    {6208, "Use of a symbol at invalid position."},
    {6209, "Incomplete term."},
    {6210, "Term simplified to single symbol."},
    {6211, "You can not use more than 20 junctions at AND, OR and XOR elements."},
    {6212, "Unknown error."},
    {6213, "Circuit synthesis"},
};

// A duplicate or misplaced id would make the binary search miss entries.
constexpr bool IdsStrictlyIncreasing()
{
    for (std::size_t i = 1; i < std::size(kStrings); ++i) {
        if (kStrings[i - 1].id >= kStrings[i].id)
            return false;
    }
    return true;
}
static_assert(IdsStrictlyIncreasing(), "string table ids must be strictly increasing");

const ResString* Find(int id)
{
    const auto* end = std::end(kStrings);
    const auto* it = std::lower_bound(std::begin(kStrings), end, id,
                                      [](const ResString& e, int key) { return e.id < key; });
    return (it != end && it->id == id) ? it : nullptr;
}

} // namespace

QString LoadResString(int id)
{
    const ResString* e = Find(id);
    return e ? QString::fromUtf8(e->text) : QString();
}

int StringTableSize()
{
    return static_cast<int>(std::size(kStrings));
}

bool HasResString(int id)
{
    return Find(id) != nullptr;
}
