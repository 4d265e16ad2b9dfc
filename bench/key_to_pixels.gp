# Box plots of the key-to-pixels samples that corvale_bench writes: one column per subject, named in
# the file's first line.  gnuplot -e "samples='...'; chart='...'" key_to_pixels.gp
set terminal pngcairo size 900,560 font "DejaVu Sans,10"
set output chart
set title "Menu key to pixels on the screen"
set ylabel "milliseconds"
set style fill solid 0.35 border -1
set style boxplot outliers pointtype 7
set style data boxplot
set boxwidth 0.5
set grid ytics
set key off
set datafile missing "NaN"
labels = system("head -1 '" . samples . "' | sed 's/^# *//'")
set xtics (word(labels, 1) 1, word(labels, 2) 2, word(labels, 3) 3) scale 0 font ",8"
plot for [i=1:3] samples using (i):i pointsize 0.4 lc i
