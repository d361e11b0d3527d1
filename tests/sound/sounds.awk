# Reads an envelope (the loudest sample of each 10 ms block, one a line) and prints each sound
# in it as "onset end peak" in seconds; quieter gaps under 0.2 s do not split one. Variable:
# loud, the level above which a block is sound.
function flush() { if (on) printf "%.2f %.2f %.6f\n", first / 100, (last + 1) / 100, top }
{
    b = NR - 1
    if ($1 < loud) next
    if (on && b - last > 20) { flush(); on = 0 }
    if (!on) { on = 1; first = b; top = 0 }
    last = b
    if ($1 > top) top = $1
}
END { flush() }
