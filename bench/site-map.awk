# Writes a project file of n items (awk -v n=...) as the program saves one: a site map with a
# heading every ten items, own colours on every third, texts and addresses of usual lengths.
function pick(list, count) {
    return list[int(rand() * count) + 1]
}
BEGIN {
    srand(14)
    split("About Books Contact Gallery History News Press Products Services Support Team " \
          "Travel Events Careers Downloads", topic, " ")
    split("Overview Details Archive Guide Prices Reviews Questions Locations Partners Stories",
          part, " ")
    split("www.example.com shop.example.org docs.example.net blog.example.com", host, " ")
    ORS = "\r\n"
    print "Pickwell Project File (Do not edit manually)"
    print "[Items]"
    print "icount=" n
    for (i = 1; i <= n; i++) {
        t = pick(topic, 15)
        p = pick(part, 10)
        heading[i] = i % 10 == 1
        if (heading[i]) {
            print "Item " i "=" t " and " p " " i
            url[i] = ""
        } else {
            print "Item " i "=   " t " " p " " i
            url[i] = "https://" pick(host, 4) "/" tolower(t) "/" i ".html"
        }
    }
    print "[URLS]"
    for (i = 1; i <= n; i++) print "URL " i "=" url[i]
    print "[Linked]"
    for (i = 1; i <= n; i++) print i "=" (heading[i] ? "No" : "Yes")
    print "[Selected]"
    print "SelectedItem=" int(n / 2)
    print "[ItemColors]"
    for (i = 1; i <= n; i++) {
        if (i % 3 == 0) {
            back = sprintf("#%02X%02X%02X", int(rand() * 256), int(rand() * 256), int(rand() * 256))
            text = "#000080"
        } else {
            back = text = "Default"
        }
        print "Backcolor " i "=" back
        print "Textcolor " i "=" text
        print "IsHeading " i "=" (heading[i] ? "Yes" : "No")
    }
    print "[Menu Options]"
    print "Navigate=0"
    print "Align to Button=1"
    print "Target=0"
    print "Frame Name="
    print "Menu Name=sitemap"
    print "[Adv Menu Opts]"
    print "Text Color=#000000"
    print "BG Color=#FFFFFF"
    print "System Menu Colors=1"
    print "Font=DejaVu Sans"
    print "Font Size=13"
    print "Font Weight=500"
    print "Underline=0"
    print "Italics=0"
    print "Width="
    print "Constrain Width=1"
    print "[Button Options]"
    print "Button Type=0"
    print "Button Text=Go"
    print "Button Graphic URL="
    print "Button Graphic Wdth="
    print "Button Graphic Ht="
    print "Alt Text="
    print "[Adv Button Opts]"
    print "Color 0=#000000"
    print "Color 1=#C0C0C0"
    print "Color 2=#FFFFFF"
    print "Color 3=#FFFFFF"
    print "Color 4=#808080"
    print "Color 5=#808080"
    print "Synch Left and Top=1"
    print "Synch Right and Bottom=1"
    print "Border=1"
    print "System Button Colors=1"
    print "Font=DejaVu Sans"
    print "Font Size=13"
    print "Font Weight=500"
    print "Underline=0"
    print "Italics=0"
    print "Height="
    print "Width="
    print "Border Thickness=2"
    print "Constrain Button Size=1"
}
