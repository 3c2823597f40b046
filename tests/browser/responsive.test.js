// Links on wide screens: on a site served over HTTP the menu shows as a list of links in the
// menu's font and colours from its width (here 800 px) up and as the drop-down below it; both
// are used by keyboard alone, and the link to the page being viewed is marked as current.
// Screenshots of both widths are kept for a person to look at; their paths are printed.
'use strict';

const assert = require('node:assert/strict');
const fs = require('node:fs');
const os = require('node:os');
const path = require('node:path');
const {after, before, test} = require('node:test');
const pages = require('./pages');
const site = require('./site');

const PROJECT = 'browser_site_wide.pkw';
const WIDE = {
    width : 1024,
    height : 768
};
const NARROW = {
    width : 375,
    height : 667
};
const SHOTS = path.join(os.tmpdir(), 'pickwell-screenshots');
// The menu's font and colours, as computed style reports them on a link of the list.
const LINK_STYLE = {
    fontFamily : 'DejaVu Serif',
    fontSize : '17px',
    fontWeight : '700',
    fontStyle : 'italic',
    textDecorationLine : 'underline',
    color : 'rgb(31, 58, 147)',
};
let browser;

before(async () => {
    browser = await pages.launch();
    fs.mkdirSync(SHOTS, {recursive : true});
});

after(async () => {
    await browser.close();
    pages.removeFolders();
});

// The computed display of the list of links and of the form, at the page's present width.
async function displays(page) {
    const display = (locator) => locator.evaluate((node) => getComputedStyle(node).display);
    return {nav : await display(page.locator('nav')), form : await display(page.locator('form'))};
}

async function shot(page, name) {
    const file = path.join(SHOTS, `${name}.png`);
    await page.screenshot({path : file, fullPage : true});
    console.log(`screenshot: ${file}`);
}

// The tag of the element that has the keyboard focus, and its text or value.
function focused(page) {
    return page.evaluate(() => {
        const element = document.activeElement;
        return `${element.tagName} ${(element.value ?? element.textContent).trim()}`;
    });
}

// The colour behind the first link: its own, or that of the nearest box around it in the nav.
function linkBackground(page) {
    return page.locator('nav a').first().evaluate((link) => {
        for (let node = link; node; node = node.parentElement) {
            const colour = getComputedStyle(node).backgroundColor;
            if (colour !== 'rgba(0, 0, 0, 0)' || node.tagName === 'NAV') {
                return colour;
            }
        }
        return '';
    });
}

for (const [form, makeSite] of Object.entries(site.FORMS)) {
    test(`${form}: links from 800 px up, the drop-down below, both by keyboard`, async (t) => {
        const server = await site.serve(makeSite(`pickwell-responsive-${form}-`, PROJECT));
        t.after(server.close);
        const page = await browser.context.newPage();
        const errors = pages.watchErrors(page);
        await page.setViewportSize(WIDE);
        await page.goto(`${server.origin}/about.html`);

        const wide = await displays(page);
        console.log(`${form} 1024x768: ${JSON.stringify(wide)}`);
        assert.equal(wide.form, 'none');
        assert.notEqual(wide.nav, 'none');
        await shot(page, `${form}-1024`);
        const nav = page.getByRole('navigation', {name : 'Pages'});
        assert.deepEqual(await nav.getByRole('link').allTextContents(),
                         [ 'Home', 'About', 'Shop front', 'Cart' ]);
        assert.deepEqual(await nav.locator('li:has(> ul)')
                             .evaluate((group) => [group.firstChild.textContent.trim(),
                                                   Array.from(group.querySelectorAll('li'),
                                                              (item) => item.textContent.trim())]),
                         [ 'Shop', [ 'Shop front', 'Cart', 'Opening soon' ] ],
                         'the heading holds its items');
        assert.equal(
            await nav.locator('li:not(:has(li))', {hasText : 'Opening soon'}).locator('a').count(),
            0);
        assert.deepEqual(await nav.locator('[aria-current=page]').allTextContents(), [ 'About' ]);
        const linkStyle = await pages.computedStyle(nav.getByRole('link'), Object.keys(LINK_STYLE));
        const background = await linkBackground(page);
        console.log(`${form} link style: ${JSON.stringify(linkStyle)} on ${background}`);
        assert.deepEqual(linkStyle, LINK_STYLE);
        assert.equal(background, pages.CHOSEN_STYLES.list.backgroundColor);

        // The hidden form takes no stop of the Tab key: it goes through the links in order.
        const stops = [];
        for (let n = 0; n < 4; ++n) {
            await page.keyboard.press('Tab');
            stops.push(await focused(page));
        }
        assert.deepEqual(stops, [ 'A Home', 'A About', 'A Shop front', 'A Cart' ]);
        await page.keyboard.press('Enter');
        await page.waitForURL(`${server.origin}/shop/cart.html`);
        assert.deepEqual(await nav.locator('[aria-current=page]').allTextContents(), [ 'Cart' ]);

        await page.setViewportSize(NARROW);
        await page.goto(`${server.origin}/about.html`);
        const narrow = await displays(page);
        console.log(`${form} 375x667: ${JSON.stringify(narrow)}`);
        assert.equal(narrow.nav, 'none');
        assert.notEqual(narrow.form, 'none');
        await shot(page, `${form}-375`);
        const list = page.getByRole('combobox', {name : 'Pages'});
        assert.equal(await list.inputValue(), '/about.html');
        await page.keyboard.press('Tab');
        assert.equal(await list.evaluate((node) => node === document.activeElement), true);
        await page.keyboard.press('ArrowDown');
        assert.equal(await list.inputValue(), '/shop/', 'an arrow key only chooses');
        await page.keyboard.press('Tab');
        assert.equal(await focused(page), 'INPUT Show');
        await page.keyboard.press('Enter');
        await page.waitForURL(`${server.origin}/shop/`);
        assert.equal(await list.inputValue(), '/shop/');

        // The width is the project's: the links from 800 px, the list below.
        for (const [width, shown] of [[ 799, 'form' ], [ 800, 'nav' ]]) {
            await page.setViewportSize({width, height : 600});
            const at = await displays(page);
            console.log(`${form} ${width}px: ${JSON.stringify(at)}`);
            assert.equal(at[shown === 'nav' ? 'form' : 'nav'], 'none', `${width}px`);
            assert.notEqual(at[shown], 'none', `${width}px`);
        }
        assert.deepEqual(errors, []);
        await page.close();
    });
}
