-- Sample dataset: the mineral collection of a school's geology lab. Seventy specimens, from
-- the founding donation of 1987 to the latest purchases, described by four text parameters
-- (class, colour, lustre, country of origin) with their choice lists, four numbers (Mohs
-- hardness to one decimal, density in g/cm3 to two, weight in grams as whole numbers, price in
-- euros to two) and the date each specimen was acquired. It carries notes, rich-text
-- descriptions, links between related specimens (polymorphs, varieties, the Mohs set), colours
-- for toxic specimens and four stored queries with footers and saved permutations.
--
-- Runs after template.sql on the same file. Identifiers are explicit so the rows read as a
-- whole: a numeric or date value of item I for parameter P has VALUE_ID 1000 * P + I, and the
-- ItemValues row giving it has ITEMVALUE_ID 100 * I + P.

-- Parameters. PROPERTY_ID fixes the column order of the flat result table; SORT_ORDER is the
-- display order, in which Country comes after the four numbers.
INSERT INTO [Property] (PROPERTY_ID, PROPERTY_NAME, TYPE_ID, PRESCISION, SORT_ORDER, ALPHABETIC_ORDER) VALUES
  (1, 'Class', 1, 0, 0, 0),
  (2, 'Colour', 1, 0, 1, 0),
  (3, 'Lustre', 1, 0, 2, 0),
  (4, 'Country', 1, 0, 7, 1),
  (5, 'Hardness', 2, 1, 3, 0),
  (6, 'Density', 2, 2, 4, 0),
  (7, 'Weight', 2, 0, 5, 0),
  (8, 'Price', 2, 2, 6, 0),
  (9, 'Acquired', 3, 0, 8, 0);

-- Choice lists of the text parameters: one shared row per value, referenced by the items.

-- Class, in the systematic order of the mineral classes (listed by identifier).
INSERT INTO [Values] (VALUE_ID, PROPERTY_ID, VALUE_ANUM) VALUES
  (101, 1, 'Native elements'),
  (102, 1, 'Sulfides'),
  (103, 1, 'Oxides'),
  (104, 1, 'Halides'),
  (105, 1, 'Carbonates'),
  (106, 1, 'Sulfates'),
  (107, 1, 'Phosphates'),
  (108, 1, 'Silicates');

-- Colour, from light to dark and round the spectrum.
INSERT INTO [Values] (VALUE_ID, PROPERTY_ID, VALUE_ANUM) VALUES
  (121, 2, 'Colourless'),
  (122, 2, 'White'),
  (123, 2, 'Grey'),
  (124, 2, 'Black'),
  (125, 2, 'Silver'),
  (126, 2, 'Golden'),
  (127, 2, 'Yellow'),
  (128, 2, 'Orange'),
  (129, 2, 'Red'),
  (130, 2, 'Pink'),
  (131, 2, 'Purple'),
  (132, 2, 'Blue'),
  (133, 2, 'Green'),
  (134, 2, 'Brown');

-- Lustre.
INSERT INTO [Values] (VALUE_ID, PROPERTY_ID, VALUE_ANUM) VALUES
  (141, 3, 'Metallic'),
  (142, 3, 'Adamantine'),
  (143, 3, 'Vitreous'),
  (144, 3, 'Resinous'),
  (145, 3, 'Pearly'),
  (146, 3, 'Silky'),
  (147, 3, 'Waxy'),
  (148, 3, 'Earthy');

-- Country, listed alphabetically (Australia is offered but no specimen has it yet).
INSERT INTO [Values] (VALUE_ID, PROPERTY_ID, VALUE_ANUM) VALUES
  (161, 4, 'USA'),
  (162, 4, 'Italy'),
  (163, 4, 'Sri Lanka'),
  (164, 4, 'Mexico'),
  (165, 4, 'Germany'),
  (166, 4, 'Spain'),
  (167, 4, 'Peru'),
  (168, 4, 'China'),
  (169, 4, 'Canada'),
  (170, 4, 'France'),
  (171, 4, 'England'),
  (172, 4, 'Sweden'),
  (173, 4, 'Madagascar'),
  (174, 4, 'Bolivia'),
  (175, 4, 'Brazil'),
  (176, 4, 'Namibia'),
  (177, 4, 'Turkey'),
  (178, 4, 'Poland'),
  (179, 4, 'Congo'),
  (180, 4, 'Morocco'),
  (181, 4, 'Argentina'),
  (182, 4, 'Portugal'),
  (183, 4, 'Greece'),
  (184, 4, 'Tunisia'),
  (185, 4, 'Uruguay'),
  (186, 4, 'Switzerland'),
  (187, 4, 'Czech Republic'),
  (188, 4, 'Austria'),
  (189, 4, 'Pakistan'),
  (190, 4, 'Norway'),
  (191, 4, 'India'),
  (192, 4, 'Mali'),
  (193, 4, 'Australia');

-- The specimens.
INSERT INTO [ItemSet] (ITEM_ID, ITEM_IDENTIFIER, ITEM_NOTE) VALUES
  (1, 'Native copper, Michigan', NULL),
  (2, 'Native sulfur, Sicily', 'Keep away from heat and sunlight: the crystals crack easily.'),
  (3, 'Graphite, Sri Lanka', 'Donated by a former pupil.'),
  (4, 'Native silver, Chihuahua', 'Tarnishes: store in its sealed bag with an anti-tarnish strip.'),
  (5, 'Native bismuth, lab-grown', 'Laboratory-grown hopper crystal, not a natural specimen.'),
  (6, 'Pyrite, Navajún', NULL),
  (7, 'Galena, Missouri', 'Lead mineral: wash hands after handling.'),
  (8, 'Sphalerite, Picos de Europa', NULL),
  (9, 'Chalcopyrite, Huanzala', NULL),
  (10, 'Cinnabar, Hunan', 'Mercury mineral: handle with gloves, never heat.'),
  (11, 'Stibnite, Jiangxi', 'Antimony mineral with brittle needles: gloves, and do not pass it round.'),
  (12, 'Molybdenite, Québec', NULL),
  (13, 'Realgar, Peru', 'Arsenic mineral, light-sensitive: keep in the dark cabinet, gloves.'),
  (14, 'Marcasite, Cap Blanc-Nez', 'Check for white powder (pyrite decay) every term.'),
  (15, 'Hematite, Cumbria', NULL),
  (16, 'Magnetite, Kiruna', 'Strongly magnetic: keep away from the balance.'),
  (17, 'Corundum, Madagascar', 'Hardness 9 of the Mohs set.'),
  (18, 'Cassiterite, Llallagua', NULL),
  (19, 'Rutile, Minas Gerais', NULL),
  (20, 'Cuprite, Onganja', NULL),
  (21, 'Chromite, Guleman', NULL),
  (22, 'Goethite, Siegerland', 'Donated by the Dupré family with the first cabinet.'),
  (23, 'Fluorite, Weardale', 'Fluoresces blue under the UV lamp.'),
  (24, 'Fluorite, Münstertal', 'Hardness 4 of the Mohs set.'),
  (25, 'Fluorite, Xianghualing', NULL),
  (26, 'Halite, Wieliczka', 'Soluble: keep dry, never rinse.'),
  (27, 'Sylvite, Saskatchewan', 'Hygroscopic: stored with silica gel.'),
  (28, 'Calcite, Iceland spar', 'Hardness 3 of the Mohs set; used for the double-refraction demonstration.'),
  (29, 'Calcite, Elmwood', NULL),
  (30, 'Aragonite, Molina de Aragón', NULL),
  (31, 'Malachite, Katanga', NULL),
  (32, 'Azurite, Touissit', NULL),
  (33, 'Rhodochrosite, Capillitas', NULL),
  (34, 'Siderite, Panasqueira', NULL),
  (35, 'Dolomite, Eugui', NULL),
  (36, 'Cerussite, Mibladen', 'Lead mineral: wash hands after handling.'),
  (37, 'Smithsonite, Lavrion', NULL),
  (38, 'Gypsum, selenite blade', 'Hardness 2 of the Mohs set.'),
  (39, 'Gypsum, desert rose', 'The colour comes from enclosed sand grains.'),
  (40, 'Baryte, Mibladen', NULL),
  (41, 'Celestine geode, Sakoany', NULL),
  (42, 'Anhydrite, angelite', NULL),
  (43, 'Anglesite, Touissit', 'Lead mineral: wash hands after handling.'),
  (44, 'Apatite, Cerro de Mercado', 'Hardness 5 of the Mohs set.'),
  (45, 'Pyromorphite, Les Farges', 'Lead mineral: wash hands after handling.'),
  (46, 'Vanadinite, Mibladen', 'Lead mineral: wash hands after handling.'),
  (47, 'Turquoise, Arizona', NULL),
  (48, 'Wavellite, Arkansas', NULL),
  (49, 'Quartz, rock crystal', 'Hardness 7 of the Mohs set.'),
  (50, 'Quartz, amethyst geode', NULL),
  (51, 'Quartz, smoky', NULL),
  (52, 'Quartz, rose', NULL),
  (53, 'Orthoclase, Carlsbad twin', 'Hardness 6 of the Mohs set.'),
  (54, 'Microcline, amazonite', NULL),
  (55, 'Labradorite, Labrador', 'Turn it under the lamp to show the blue play of colour.'),
  (56, 'Muscovite, book', 'Donated by the Dupré family with the first cabinet.'),
  (57, 'Biotite, Bancroft', 'Donated by the Dupré family with the first cabinet.'),
  (58, 'Talc, Styria', 'Hardness 1 of the Mohs set; the set is linked from here.'),
  (59, 'Almandine garnet, Zillertal', NULL),
  (60, 'Schorl tourmaline, Erongo', NULL),
  (61, 'Beryl, aquamarine', 'Kept in the locked drawer.'),
  (62, 'Topaz, Ouro Preto', 'Hardness 8 of the Mohs set.'),
  (63, 'Olivine, peridot', NULL),
  (64, 'Kyanite, blade', 'Hardness differs by direction: 4.5 along the blade, 6.5 across.'),
  (65, 'Staurolite, Coray', NULL),
  (66, 'Epidote, Knappenwand', NULL),
  (67, 'Zircon, Seiland', NULL),
  (68, 'Stilbite, Pune', NULL),
  (69, 'Apophyllite, Jalgaon', NULL),
  (70, 'Prehnite, Kayes', NULL);

-- Numeric and date values: one row per item value (hardness, density, weight, price, acquired
-- date as days since 1899-12-30). Donated specimens have no price.
INSERT INTO [Values] (VALUE_ID, PROPERTY_ID, VALUE_NUMBER, VALUE_DATE) VALUES
  (5001, 5, 2.5, NULL), (6001, 6, 8.94, NULL), (7001, 7, 85, NULL), (8001, 8, 24.00, NULL), (9001, 9, NULL, julianday('1994-09-12') - 2415018.5),
  (5002, 5, 2.0, NULL), (6002, 6, 2.07, NULL), (7002, 7, 40, NULL), (8002, 8, 12.50, NULL), (9002, 9, NULL, julianday('1989-03-02') - 2415018.5),
  (5003, 5, 1.5, NULL), (6003, 6, 2.16, NULL), (7003, 7, 30, NULL), (9003, 9, NULL, julianday('2001-10-05') - 2415018.5),
  (5004, 5, 2.5, NULL), (6004, 6, 10.49, NULL), (7004, 7, 12, NULL), (8004, 8, 45.00, NULL), (9004, 9, NULL, julianday('2016-04-22') - 2415018.5),
  (5005, 5, 2.5, NULL), (6005, 6, 9.78, NULL), (7005, 7, 55, NULL), (8005, 8, 9.90, NULL), (9005, 9, NULL, julianday('2019-11-08') - 2415018.5),
  (5006, 5, 6.5, NULL), (6006, 6, 5.01, NULL), (7006, 7, 120, NULL), (8006, 8, 18.00, NULL), (9006, 9, NULL, julianday('2008-06-14') - 2415018.5),
  (5007, 5, 2.5, NULL), (6007, 6, 7.58, NULL), (7007, 7, 150, NULL), (8007, 8, 15.00, NULL), (9007, 9, NULL, julianday('1991-02-19') - 2415018.5),
  (5008, 5, 3.5, NULL), (6008, 6, 4.05, NULL), (7008, 7, 60, NULL), (8008, 8, 22.00, NULL), (9008, 9, NULL, julianday('2012-05-30') - 2415018.5),
  (5009, 5, 3.5, NULL), (6009, 6, 4.19, NULL), (7009, 7, 90, NULL), (8009, 8, 14.00, NULL), (9009, 9, NULL, julianday('1997-11-03') - 2415018.5),
  (5010, 5, 2.5, NULL), (6010, 6, 8.10, NULL), (7010, 7, 25, NULL), (8010, 8, 35.00, NULL), (9010, 9, NULL, julianday('2014-03-11') - 2415018.5),
  (5011, 5, 2.0, NULL), (6011, 6, 4.63, NULL), (7011, 7, 45, NULL), (8011, 8, 28.00, NULL), (9011, 9, NULL, julianday('2017-09-27') - 2415018.5),
  (5012, 5, 1.0, NULL), (6012, 6, 4.73, NULL), (7012, 7, 20, NULL), (8012, 8, 16.00, NULL), (9012, 9, NULL, julianday('2003-01-21') - 2415018.5),
  (5013, 5, 1.5, NULL), (6013, 6, 3.56, NULL), (7013, 7, 15, NULL), (8013, 8, 30.00, NULL), (9013, 9, NULL, julianday('2011-07-04') - 2415018.5),
  (5014, 5, 6.0, NULL), (6014, 6, 4.89, NULL), (7014, 7, 70, NULL), (8014, 8, 9.50, NULL), (9014, 9, NULL, julianday('1999-08-16') - 2415018.5),
  (5015, 5, 5.5, NULL), (6015, 6, 5.26, NULL), (7015, 7, 200, NULL), (8015, 8, 12.00, NULL), (9015, 9, NULL, julianday('1988-05-09') - 2415018.5),
  (5016, 5, 6.0, NULL), (6016, 6, 5.18, NULL), (7016, 7, 110, NULL), (8016, 8, 8.00, NULL), (9016, 9, NULL, julianday('1990-10-01') - 2415018.5),
  (5017, 5, 9.0, NULL), (6017, 6, 4.02, NULL), (7017, 7, 35, NULL), (8017, 8, 20.00, NULL), (9017, 9, NULL, julianday('2006-02-28') - 2415018.5),
  (5018, 5, 6.5, NULL), (6018, 6, 6.99, NULL), (7018, 7, 55, NULL), (8018, 8, 26.00, NULL), (9018, 9, NULL, julianday('2013-10-15') - 2415018.5),
  (5019, 5, 6.0, NULL), (6019, 6, 4.25, NULL), (7019, 7, 18, NULL), (8019, 8, 19.00, NULL), (9019, 9, NULL, julianday('2018-03-06') - 2415018.5),
  (5020, 5, 3.5, NULL), (6020, 6, 6.14, NULL), (7020, 7, 20, NULL), (8020, 8, 32.00, NULL), (9020, 9, NULL, julianday('2015-06-19') - 2415018.5),
  (5021, 5, 5.5, NULL), (6021, 6, 4.79, NULL), (7021, 7, 140, NULL), (8021, 8, 7.50, NULL), (9021, 9, NULL, julianday('1996-04-12') - 2415018.5),
  (5022, 5, 5.0, NULL), (6022, 6, 4.27, NULL), (7022, 7, 90, NULL), (9022, 9, NULL, julianday('1987-09-15') - 2415018.5),
  (5023, 5, 4.0, NULL), (6023, 6, 3.18, NULL), (7023, 7, 180, NULL), (8023, 8, 38.00, NULL), (9023, 9, NULL, julianday('2010-02-12') - 2415018.5),
  (5024, 5, 4.0, NULL), (6024, 6, 3.18, NULL), (7024, 7, 95, NULL), (8024, 8, 25.00, NULL), (9024, 9, NULL, julianday('2005-05-20') - 2415018.5),
  (5025, 5, 4.0, NULL), (6025, 6, 3.18, NULL), (7025, 7, 75, NULL), (8025, 8, 20.00, NULL), (9025, 9, NULL, julianday('2021-09-03') - 2415018.5),
  (5026, 5, 2.5, NULL), (6026, 6, 2.17, NULL), (7026, 7, 130, NULL), (8026, 8, 6.50, NULL), (9026, 9, NULL, julianday('1993-12-07') - 2415018.5),
  (5027, 5, 2.0, NULL), (6027, 6, 1.99, NULL), (7027, 7, 60, NULL), (8027, 8, 11.00, NULL), (9027, 9, NULL, julianday('2009-04-18') - 2415018.5),
  (5028, 5, 3.0, NULL), (6028, 6, 2.71, NULL), (7028, 7, 160, NULL), (8028, 8, 14.00, NULL), (9028, 9, NULL, julianday('1992-06-23') - 2415018.5),
  (5029, 5, 3.0, NULL), (6029, 6, 2.71, NULL), (7029, 7, 210, NULL), (8029, 8, 28.00, NULL), (9029, 9, NULL, julianday('2011-11-29') - 2415018.5),
  (5030, 5, 3.5, NULL), (6030, 6, 2.95, NULL), (7030, 7, 45, NULL), (8030, 8, 9.00, NULL), (9030, 9, NULL, julianday('2002-03-15') - 2415018.5),
  (5031, 5, 3.5, NULL), (6031, 6, 4.00, NULL), (7031, 7, 150, NULL), (8031, 8, 30.00, NULL), (9031, 9, NULL, julianday('2007-10-09') - 2415018.5),
  (5032, 5, 3.5, NULL), (6032, 6, 3.77, NULL), (7032, 7, 50, NULL), (8032, 8, 34.00, NULL), (9032, 9, NULL, julianday('2016-01-14') - 2415018.5),
  (5033, 5, 3.5, NULL), (6033, 6, 3.70, NULL), (7033, 7, 65, NULL), (8033, 8, 40.00, NULL), (9033, 9, NULL, julianday('2019-05-24') - 2415018.5),
  (5034, 5, 4.0, NULL), (6034, 6, 3.96, NULL), (7034, 7, 80, NULL), (8034, 8, 17.00, NULL), (9034, 9, NULL, julianday('2004-09-30') - 2415018.5),
  (5035, 5, 3.5, NULL), (6035, 6, 2.85, NULL), (7035, 7, 70, NULL), (8035, 8, 12.00, NULL), (9035, 9, NULL, julianday('1998-02-03') - 2415018.5),
  (5036, 5, 3.0, NULL), (6036, 6, 6.58, NULL), (7036, 7, 30, NULL), (8036, 8, 27.00, NULL), (9036, 9, NULL, julianday('2012-10-22') - 2415018.5),
  (5037, 5, 4.5, NULL), (6037, 6, 4.45, NULL), (7037, 7, 40, NULL), (8037, 8, 29.00, NULL), (9037, 9, NULL, julianday('2014-08-05') - 2415018.5),
  (5038, 5, 2.0, NULL), (6038, 6, 2.32, NULL), (7038, 7, 140, NULL), (8038, 8, 10.00, NULL), (9038, 9, NULL, julianday('1995-03-28') - 2415018.5),
  (5039, 5, 2.0, NULL), (6039, 6, 2.32, NULL), (7039, 7, 190, NULL), (8039, 8, 7.00, NULL), (9039, 9, NULL, julianday('2000-07-11') - 2415018.5),
  (5040, 5, 3.0, NULL), (6040, 6, 4.48, NULL), (7040, 7, 120, NULL), (8040, 8, 16.00, NULL), (9040, 9, NULL, julianday('2013-04-02') - 2415018.5),
  (5041, 5, 3.0, NULL), (6041, 6, 3.97, NULL), (7041, 7, 230, NULL), (8041, 8, 15.00, NULL), (9041, 9, NULL, julianday('2010-11-17') - 2415018.5),
  (5042, 5, 3.5, NULL), (6042, 6, 2.97, NULL), (7042, 7, 85, NULL), (8042, 8, 9.50, NULL), (9042, 9, NULL, julianday('2020-02-26') - 2415018.5),
  (5043, 5, 3.0, NULL), (6043, 6, 6.30, NULL), (7043, 7, 15, NULL), (8043, 8, 24.00, NULL), (9043, 9, NULL, julianday('2018-10-12') - 2415018.5),
  (5044, 5, 5.0, NULL), (6044, 6, 3.19, NULL), (7044, 7, 25, NULL), (8044, 8, 18.00, NULL), (9044, 9, NULL, julianday('2009-06-08') - 2415018.5),
  (5045, 5, 3.5, NULL), (6045, 6, 7.04, NULL), (7045, 7, 20, NULL), (8045, 8, 36.00, NULL), (9045, 9, NULL, julianday('2015-12-01') - 2415018.5),
  (5046, 5, 3.0, NULL), (6046, 6, 6.88, NULL), (7046, 7, 40, NULL), (8046, 8, 26.00, NULL), (9046, 9, NULL, julianday('2011-03-21') - 2415018.5),
  (5047, 5, 5.5, NULL), (6047, 6, 2.70, NULL), (7047, 7, 22, NULL), (8047, 8, 33.00, NULL), (9047, 9, NULL, julianday('2006-08-29') - 2415018.5),
  (5048, 5, 3.5, NULL), (6048, 6, 2.36, NULL), (7048, 7, 45, NULL), (8048, 8, 19.00, NULL), (9048, 9, NULL, julianday('2022-04-07') - 2415018.5),
  (5049, 5, 7.0, NULL), (6049, 6, 2.65, NULL), (7049, 7, 260, NULL), (8049, 8, 18.00, NULL), (9049, 9, NULL, julianday('1989-03-02') - 2415018.5),
  (5050, 5, 7.0, NULL), (6050, 6, 2.65, NULL), (7050, 7, 310, NULL), (8050, 8, 32.00, NULL), (9050, 9, NULL, julianday('2003-09-10') - 2415018.5),
  (5051, 5, 7.0, NULL), (6051, 6, 2.65, NULL), (7051, 7, 140, NULL), (8051, 8, 29.00, NULL), (9051, 9, NULL, julianday('2017-06-30') - 2415018.5),
  (5052, 5, 7.0, NULL), (6052, 6, 2.65, NULL), (7052, 7, 180, NULL), (8052, 8, 8.00, NULL), (9052, 9, NULL, julianday('1996-11-25') - 2415018.5),
  (5053, 5, 6.0, NULL), (6053, 6, 2.56, NULL), (7053, 7, 65, NULL), (8053, 8, 13.00, NULL), (9053, 9, NULL, julianday('1990-05-14') - 2415018.5),
  (5054, 5, 6.0, NULL), (6054, 6, 2.56, NULL), (7054, 7, 75, NULL), (8054, 8, 21.00, NULL), (9054, 9, NULL, julianday('2008-12-02') - 2415018.5),
  (5055, 5, 6.0, NULL), (6055, 6, 2.70, NULL), (7055, 7, 150, NULL), (8055, 8, 17.00, NULL), (9055, 9, NULL, julianday('2012-02-09') - 2415018.5),
  (5056, 5, 2.5, NULL), (6056, 6, 2.82, NULL), (7056, 7, 35, NULL), (9056, 9, NULL, julianday('1987-09-15') - 2415018.5),
  (5057, 5, 2.5, NULL), (6057, 6, 3.09, NULL), (7057, 7, 40, NULL), (9057, 9, NULL, julianday('1987-09-15') - 2415018.5),
  (5058, 5, 1.0, NULL), (6058, 6, 2.75, NULL), (7058, 7, 95, NULL), (8058, 8, 5.00, NULL), (9058, 9, NULL, julianday('1991-01-28') - 2415018.5),
  (5059, 5, 7.5, NULL), (6059, 6, 4.19, NULL), (7059, 7, 30, NULL), (8059, 8, 22.00, NULL), (9059, 9, NULL, julianday('2005-07-19') - 2415018.5),
  (5060, 5, 7.0, NULL), (6060, 6, 3.18, NULL), (7060, 7, 70, NULL), (8060, 8, 14.00, NULL), (9060, 9, NULL, julianday('2010-09-23') - 2415018.5),
  (5061, 5, 7.5, NULL), (6061, 6, 2.72, NULL), (7061, 7, 15, NULL), (8061, 8, 60.00, NULL), (9061, 9, NULL, julianday('2023-03-16') - 2415018.5),
  (5062, 5, 8.0, NULL), (6062, 6, 3.53, NULL), (7062, 7, 20, NULL), (8062, 8, 42.00, NULL), (9062, 9, NULL, julianday('2016-10-28') - 2415018.5),
  (5063, 5, 6.5, NULL), (6063, 6, 3.32, NULL), (7063, 7, 25, NULL), (8063, 8, 15.00, NULL), (9063, 9, NULL, julianday('2001-04-17') - 2415018.5),
  (5064, 5, 5.5, NULL), (6064, 6, 3.60, NULL), (7064, 7, 30, NULL), (8064, 8, 12.00, NULL), (9064, 9, NULL, julianday('2014-05-13') - 2415018.5),
  (5065, 5, 7.0, NULL), (6065, 6, 3.74, NULL), (7065, 7, 20, NULL), (8065, 8, 14.00, NULL), (9065, 9, NULL, julianday('1999-06-03') - 2415018.5),
  (5066, 5, 6.5, NULL), (6066, 6, 3.45, NULL), (7066, 7, 28, NULL), (8066, 8, 31.00, NULL), (9066, 9, NULL, julianday('2021-01-20') - 2415018.5),
  (5067, 5, 7.5, NULL), (6067, 6, 4.65, NULL), (7067, 7, 10, NULL), (8067, 8, 18.00, NULL), (9067, 9, NULL, julianday('2007-03-22') - 2415018.5),
  (5068, 5, 3.5, NULL), (6068, 6, 2.19, NULL), (7068, 7, 60, NULL), (8068, 8, 13.00, NULL), (9068, 9, NULL, julianday('2018-07-09') - 2415018.5),
  (5069, 5, 4.5, NULL), (6069, 6, 2.34, NULL), (7069, 7, 120, NULL), (8069, 8, 24.00, NULL), (9069, 9, NULL, julianday('2015-02-03') - 2415018.5),
  (5070, 5, 6.0, NULL), (6070, 6, 2.87, NULL), (7070, 7, 50, NULL), (8070, 8, 16.00, NULL), (9070, 9, NULL, julianday('2020-10-14') - 2415018.5);

-- The values each item carries, one line per item in parameter order: class, colour, lustre,
-- country, hardness, density, weight, price, acquired.
INSERT INTO [ItemValues] (ITEMVALUE_ID, ITEM_ID, VALUE_ID) VALUES
  (101, 1, 101), (102, 1, 129), (103, 1, 141), (104, 1, 161), (105, 1, 5001), (106, 1, 6001), (107, 1, 7001), (108, 1, 8001), (109, 1, 9001),
  (201, 2, 101), (202, 2, 127), (203, 2, 144), (204, 2, 162), (205, 2, 5002), (206, 2, 6002), (207, 2, 7002), (208, 2, 8002), (209, 2, 9002),
  (301, 3, 101), (302, 3, 124), (303, 3, 141), (304, 3, 163), (305, 3, 5003), (306, 3, 6003), (307, 3, 7003), (309, 3, 9003),
  (401, 4, 101), (402, 4, 125), (403, 4, 141), (404, 4, 164), (405, 4, 5004), (406, 4, 6004), (407, 4, 7004), (408, 4, 8004), (409, 4, 9004),
  (501, 5, 101), (502, 5, 125), (503, 5, 141), (504, 5, 165), (505, 5, 5005), (506, 5, 6005), (507, 5, 7005), (508, 5, 8005), (509, 5, 9005),
  (601, 6, 102), (602, 6, 126), (603, 6, 141), (604, 6, 166), (605, 6, 5006), (606, 6, 6006), (607, 6, 7006), (608, 6, 8006), (609, 6, 9006),
  (701, 7, 102), (702, 7, 123), (703, 7, 141), (704, 7, 161), (705, 7, 5007), (706, 7, 6007), (707, 7, 7007), (708, 7, 8007), (709, 7, 9007),
  (801, 8, 102), (802, 8, 134), (803, 8, 144), (804, 8, 166), (805, 8, 5008), (806, 8, 6008), (807, 8, 7008), (808, 8, 8008), (809, 8, 9008),
  (901, 9, 102), (902, 9, 126), (903, 9, 141), (904, 9, 167), (905, 9, 5009), (906, 9, 6009), (907, 9, 7009), (908, 9, 8009), (909, 9, 9009),
  (1001, 10, 102), (1002, 10, 129), (1003, 10, 142), (1004, 10, 168), (1005, 10, 5010), (1006, 10, 6010), (1007, 10, 7010), (1008, 10, 8010), (1009, 10, 9010),
  (1101, 11, 102), (1102, 11, 123), (1103, 11, 141), (1104, 11, 168), (1105, 11, 5011), (1106, 11, 6011), (1107, 11, 7011), (1108, 11, 8011), (1109, 11, 9011),
  (1201, 12, 102), (1202, 12, 123), (1203, 12, 141), (1204, 12, 169), (1205, 12, 5012), (1206, 12, 6012), (1207, 12, 7012), (1208, 12, 8012), (1209, 12, 9012),
  (1301, 13, 102), (1302, 13, 128), (1303, 13, 144), (1304, 13, 167), (1305, 13, 5013), (1306, 13, 6013), (1307, 13, 7013), (1308, 13, 8013), (1309, 13, 9013),
  (1401, 14, 102), (1402, 14, 126), (1403, 14, 141), (1404, 14, 170), (1405, 14, 5014), (1406, 14, 6014), (1407, 14, 7014), (1408, 14, 8014), (1409, 14, 9014),
  (1501, 15, 103), (1502, 15, 124), (1503, 15, 141), (1504, 15, 171), (1505, 15, 5015), (1506, 15, 6015), (1507, 15, 7015), (1508, 15, 8015), (1509, 15, 9015),
  (1601, 16, 103), (1602, 16, 124), (1603, 16, 141), (1604, 16, 172), (1605, 16, 5016), (1606, 16, 6016), (1607, 16, 7016), (1608, 16, 8016), (1609, 16, 9016),
  (1701, 17, 103), (1702, 17, 134), (1703, 17, 142), (1704, 17, 173), (1705, 17, 5017), (1706, 17, 6017), (1707, 17, 7017), (1708, 17, 8017), (1709, 17, 9017),
  (1801, 18, 103), (1802, 18, 124), (1803, 18, 142), (1804, 18, 174), (1805, 18, 5018), (1806, 18, 6018), (1807, 18, 7018), (1808, 18, 8018), (1809, 18, 9018),
  (1901, 19, 103), (1902, 19, 129), (1903, 19, 142), (1904, 19, 175), (1905, 19, 5019), (1906, 19, 6019), (1907, 19, 7019), (1908, 19, 8019), (1909, 19, 9019),
  (2001, 20, 103), (2002, 20, 129), (2003, 20, 142), (2004, 20, 176), (2005, 20, 5020), (2006, 20, 6020), (2007, 20, 7020), (2008, 20, 8020), (2009, 20, 9020),
  (2101, 21, 103), (2102, 21, 124), (2103, 21, 141), (2104, 21, 177), (2105, 21, 5021), (2106, 21, 6021), (2107, 21, 7021), (2108, 21, 8021), (2109, 21, 9021),
  (2201, 22, 103), (2202, 22, 134), (2203, 22, 146), (2204, 22, 165), (2205, 22, 5022), (2206, 22, 6022), (2207, 22, 7022), (2209, 22, 9022),
  (2301, 23, 104), (2302, 23, 133), (2303, 23, 143), (2304, 23, 171), (2305, 23, 5023), (2306, 23, 6023), (2307, 23, 7023), (2308, 23, 8023), (2309, 23, 9023),
  (2401, 24, 104), (2402, 24, 131), (2403, 24, 143), (2404, 24, 165), (2405, 24, 5024), (2406, 24, 6024), (2407, 24, 7024), (2408, 24, 8024), (2409, 24, 9024),
  (2501, 25, 104), (2502, 25, 132), (2503, 25, 143), (2504, 25, 168), (2505, 25, 5025), (2506, 25, 6025), (2507, 25, 7025), (2508, 25, 8025), (2509, 25, 9025),
  (2601, 26, 104), (2602, 26, 121), (2603, 26, 143), (2604, 26, 178), (2605, 26, 5026), (2606, 26, 6026), (2607, 26, 7026), (2608, 26, 8026), (2609, 26, 9026),
  (2701, 27, 104), (2702, 27, 122), (2703, 27, 143), (2704, 27, 169), (2705, 27, 5027), (2706, 27, 6027), (2707, 27, 7027), (2708, 27, 8027), (2709, 27, 9027),
  (2801, 28, 105), (2802, 28, 121), (2803, 28, 143), (2804, 28, 164), (2805, 28, 5028), (2806, 28, 6028), (2807, 28, 7028), (2808, 28, 8028), (2809, 28, 9028),
  (2901, 29, 105), (2902, 29, 127), (2903, 29, 143), (2904, 29, 161), (2905, 29, 5029), (2906, 29, 6029), (2907, 29, 7029), (2908, 29, 8029), (2909, 29, 9029),
  (3001, 30, 105), (3002, 30, 134), (3003, 30, 143), (3004, 30, 166), (3005, 30, 5030), (3006, 30, 6030), (3007, 30, 7030), (3008, 30, 8030), (3009, 30, 9030),
  (3101, 31, 105), (3102, 31, 133), (3103, 31, 146), (3104, 31, 179), (3105, 31, 5031), (3106, 31, 6031), (3107, 31, 7031), (3108, 31, 8031), (3109, 31, 9031),
  (3201, 32, 105), (3202, 32, 132), (3203, 32, 143), (3204, 32, 180), (3205, 32, 5032), (3206, 32, 6032), (3207, 32, 7032), (3208, 32, 8032), (3209, 32, 9032),
  (3301, 33, 105), (3302, 33, 130), (3303, 33, 143), (3304, 33, 181), (3305, 33, 5033), (3306, 33, 6033), (3307, 33, 7033), (3308, 33, 8033), (3309, 33, 9033),
  (3401, 34, 105), (3402, 34, 134), (3403, 34, 145), (3404, 34, 182), (3405, 34, 5034), (3406, 34, 6034), (3407, 34, 7034), (3408, 34, 8034), (3409, 34, 9034),
  (3501, 35, 105), (3502, 35, 122), (3503, 35, 143), (3504, 35, 166), (3505, 35, 5035), (3506, 35, 6035), (3507, 35, 7035), (3508, 35, 8035), (3509, 35, 9035),
  (3601, 36, 105), (3602, 36, 122), (3603, 36, 142), (3604, 36, 180), (3605, 36, 5036), (3606, 36, 6036), (3607, 36, 7036), (3608, 36, 8036), (3609, 36, 9036),
  (3701, 37, 105), (3702, 37, 133), (3703, 37, 143), (3704, 37, 183), (3705, 37, 5037), (3706, 37, 6037), (3707, 37, 7037), (3708, 37, 8037), (3709, 37, 9037),
  (3801, 38, 106), (3802, 38, 121), (3803, 38, 145), (3804, 38, 164), (3805, 38, 5038), (3806, 38, 6038), (3807, 38, 7038), (3808, 38, 8038), (3809, 38, 9038),
  (3901, 39, 106), (3902, 39, 134), (3903, 39, 148), (3904, 39, 184), (3905, 39, 5039), (3906, 39, 6039), (3907, 39, 7039), (3908, 39, 8039), (3909, 39, 9039),
  (4001, 40, 106), (4002, 40, 127), (4003, 40, 143), (4004, 40, 180), (4005, 40, 5040), (4006, 40, 6040), (4007, 40, 7040), (4008, 40, 8040), (4009, 40, 9040),
  (4101, 41, 106), (4102, 41, 132), (4103, 41, 143), (4104, 41, 173), (4105, 41, 5041), (4106, 41, 6041), (4107, 41, 7041), (4108, 41, 8041), (4109, 41, 9041),
  (4201, 42, 106), (4202, 42, 132), (4203, 42, 145), (4204, 42, 167), (4205, 42, 5042), (4206, 42, 6042), (4207, 42, 7042), (4208, 42, 8042), (4209, 42, 9042),
  (4301, 43, 106), (4302, 43, 121), (4303, 43, 142), (4304, 43, 180), (4305, 43, 5043), (4306, 43, 6043), (4307, 43, 7043), (4308, 43, 8043), (4309, 43, 9043),
  (4401, 44, 107), (4402, 44, 127), (4403, 44, 143), (4404, 44, 164), (4405, 44, 5044), (4406, 44, 6044), (4407, 44, 7044), (4408, 44, 8044), (4409, 44, 9044),
  (4501, 45, 107), (4502, 45, 133), (4503, 45, 144), (4504, 45, 170), (4505, 45, 5045), (4506, 45, 6045), (4507, 45, 7045), (4508, 45, 8045), (4509, 45, 9045),
  (4601, 46, 107), (4602, 46, 129), (4603, 46, 144), (4604, 46, 180), (4605, 46, 5046), (4606, 46, 6046), (4607, 46, 7046), (4608, 46, 8046), (4609, 46, 9046),
  (4701, 47, 107), (4702, 47, 132), (4703, 47, 147), (4704, 47, 161), (4705, 47, 5047), (4706, 47, 6047), (4707, 47, 7047), (4708, 47, 8047), (4709, 47, 9047),
  (4801, 48, 107), (4802, 48, 133), (4803, 48, 143), (4804, 48, 161), (4805, 48, 5048), (4806, 48, 6048), (4807, 48, 7048), (4808, 48, 8048), (4809, 48, 9048),
  (4901, 49, 108), (4902, 49, 121), (4903, 49, 143), (4904, 49, 175), (4905, 49, 5049), (4906, 49, 6049), (4907, 49, 7049), (4908, 49, 8049), (4909, 49, 9049),
  (5001, 50, 108), (5002, 50, 131), (5003, 50, 143), (5004, 50, 185), (5005, 50, 5050), (5006, 50, 6050), (5007, 50, 7050), (5008, 50, 8050), (5009, 50, 9050),
  (5101, 51, 108), (5102, 51, 134), (5103, 51, 143), (5104, 51, 186), (5105, 51, 5051), (5106, 51, 6051), (5107, 51, 7051), (5108, 51, 8051), (5109, 51, 9051),
  (5201, 52, 108), (5202, 52, 130), (5203, 52, 143), (5204, 52, 173), (5205, 52, 5052), (5206, 52, 6052), (5207, 52, 7052), (5208, 52, 8052), (5209, 52, 9052),
  (5301, 53, 108), (5302, 53, 122), (5303, 53, 143), (5304, 53, 187), (5305, 53, 5053), (5306, 53, 6053), (5307, 53, 7053), (5308, 53, 8053), (5309, 53, 9053),
  (5401, 54, 108), (5402, 54, 133), (5403, 54, 143), (5404, 54, 161), (5405, 54, 5054), (5406, 54, 6054), (5407, 54, 7054), (5408, 54, 8054), (5409, 54, 9054),
  (5501, 55, 108), (5502, 55, 123), (5503, 55, 143), (5504, 55, 169), (5505, 55, 5055), (5506, 55, 6055), (5507, 55, 7055), (5508, 55, 8055), (5509, 55, 9055),
  (5601, 56, 108), (5602, 56, 125), (5603, 56, 145), (5604, 56, 175), (5605, 56, 5056), (5606, 56, 6056), (5607, 56, 7056), (5609, 56, 9056),
  (5701, 57, 108), (5702, 57, 124), (5703, 57, 145), (5704, 57, 169), (5705, 57, 5057), (5706, 57, 6057), (5707, 57, 7057), (5709, 57, 9057),
  (5801, 58, 108), (5802, 58, 122), (5803, 58, 145), (5804, 58, 188), (5805, 58, 5058), (5806, 58, 6058), (5807, 58, 7058), (5808, 58, 8058), (5809, 58, 9058),
  (5901, 59, 108), (5902, 59, 129), (5903, 59, 143), (5904, 59, 188), (5905, 59, 5059), (5906, 59, 6059), (5907, 59, 7059), (5908, 59, 8059), (5909, 59, 9059),
  (6001, 60, 108), (6002, 60, 124), (6003, 60, 143), (6004, 60, 176), (6005, 60, 5060), (6006, 60, 6060), (6007, 60, 7060), (6008, 60, 8060), (6009, 60, 9060),
  (6101, 61, 108), (6102, 61, 132), (6103, 61, 143), (6104, 61, 189), (6105, 61, 5061), (6106, 61, 6061), (6107, 61, 7061), (6108, 61, 8061), (6109, 61, 9061),
  (6201, 62, 108), (6202, 62, 128), (6203, 62, 143), (6204, 62, 175), (6205, 62, 5062), (6206, 62, 6062), (6207, 62, 7062), (6208, 62, 8062), (6209, 62, 9062),
  (6301, 63, 108), (6302, 63, 133), (6303, 63, 143), (6304, 63, 161), (6305, 63, 5063), (6306, 63, 6063), (6307, 63, 7063), (6308, 63, 8063), (6309, 63, 9063),
  (6401, 64, 108), (6402, 64, 132), (6403, 64, 143), (6404, 64, 175), (6405, 64, 5064), (6406, 64, 6064), (6407, 64, 7064), (6408, 64, 8064), (6409, 64, 9064),
  (6501, 65, 108), (6502, 65, 134), (6503, 65, 143), (6504, 65, 170), (6505, 65, 5065), (6506, 65, 6065), (6507, 65, 7065), (6508, 65, 8065), (6509, 65, 9065),
  (6601, 66, 108), (6602, 66, 133), (6603, 66, 143), (6604, 66, 188), (6605, 66, 5066), (6606, 66, 6066), (6607, 66, 7066), (6608, 66, 8066), (6609, 66, 9066),
  (6701, 67, 108), (6702, 67, 134), (6703, 67, 142), (6704, 67, 190), (6705, 67, 5067), (6706, 67, 6067), (6707, 67, 7067), (6708, 67, 8067), (6709, 67, 9067),
  (6801, 68, 108), (6802, 68, 128), (6803, 68, 145), (6804, 68, 191), (6805, 68, 5068), (6806, 68, 6068), (6807, 68, 7068), (6808, 68, 8068), (6809, 68, 9068),
  (6901, 69, 108), (6902, 69, 121), (6903, 69, 143), (6904, 69, 191), (6905, 69, 5069), (6906, 69, 6069), (6907, 69, 7069), (6908, 69, 8069), (6909, 69, 9069),
  (7001, 70, 108), (7002, 70, 133), (7003, 70, 143), (7004, 70, 192), (7005, 70, 5070), (7006, 70, 6070), (7007, 70, 7070), (7008, 70, 8070), (7009, 70, 9070);

-- Rich-text descriptions.
INSERT INTO [Descriptions] (DESCRIPTION_ID, ITEM_ID, DESCRIPTION) VALUES
  (1, 6, '{\rtf1\ansi\ansicpg1252\deff0{\fonttbl{\f0\fswiss Arial;}}\f0\fs20 {\b Pyrite} from Navaj\''fan, La Rioja: a group of three sharp cubes grown straight out of the marl, the faces striated at right angles on neighbouring faces.\par Pyrite is iron disulfide. Its brassy lustre earned it the name {\i fool''s gold}; a streak test on the unglazed tile (greenish black, not gold) tells the two apart.\par}'),
  (2, 10, '{\rtf1\ansi\ansicpg1252\deff0{\fonttbl{\f0\fswiss Arial;}}\f0\fs20 {\b Cinnabar} on dolomite, Hunan: bright red {\i twinned} crystals up to 8 mm.\par {\b Safety:} cinnabar is mercury sulfide. Handle it with gloves, never heat or scrape it, and keep it in its closed box.\par}'),
  (3, 16, '{\rtf1\ansi\ansicpg1252\deff0{\fonttbl{\f0\fswiss Arial;}}\f0\fs20 {\b Magnetite}, Kiruna: massive ore with small octahedral faces.\par It is the classroom magnet: it lifts paper clips and turns a compass needle. Keep it away from the balance and from the {\i Hematite} specimen, which looks alike but is not magnetic.\par}'),
  (4, 23, '{\rtf1\ansi\ansicpg1252\deff0{\fonttbl{\f0\fswiss Arial;}}\f0\fs20 {\b Fluorite}, Weardale: green interpenetrant cubes on quartz.\par Under the long-wave UV lamp the green turns a strong {\i violet-blue}; the word {\i fluorescence} was coined after this mineral.\par}'),
  (5, 28, '{\rtf1\ansi\ansicpg1252\deff0{\fonttbl{\f0\fswiss Arial;}}\f0\fs20 {\b Calcite}, Iceland spar: a clear cleavage rhomb about 6 cm long.\par Laid on a printed line it shows the line {\i twice} (double refraction). Do not drop it: it cleaves along three directions.\par}'),
  (6, 49, '{\rtf1\ansi\ansicpg1252\deff0{\fonttbl{\f0\fswiss Arial;}}\f0\fs20 {\b Quartz}, rock crystal: a doubly terminated point from Minas Gerais.\par {\i Hardness 7} of the Mohs set: it scratches glass. The coloured varieties of the collection (amethyst, smoky and rose quartz) are linked from here.\par}'),
  (7, 58, '{\rtf1\ansi\ansicpg1252\deff0{\fonttbl{\f0\fswiss Arial;}}\f0\fs20 {\b The Mohs hardness set}\par Talc (1), gypsum (2), calcite (3), fluorite (4), apatite (5), orthoclase (6), quartz (7), topaz (8) and corundum (9) are linked from this specimen. A mineral scratches every mineral below it; the fingernail reaches {\i about 2.5}, a steel nail {\i about 5.5}.\par}'),
  (8, 55, '{\rtf1\ansi\ansicpg1252\deff0{\fonttbl{\f0\fswiss Arial;}}\f0\fs20 {\b Labradorite}, Nain, Labrador: a polished slab.\par Tilted under the lamp it flashes {\i blue and gold} (labradorescence), light scattered by thin layers inside the feldspar.\par}');

-- Links between related specimens (item ITEM_ID links to item ITEM_LINK_ID).
INSERT INTO [Hyperlink] (LINK_ID, ITEM_ID, ITEM_LINK_ID) VALUES
  (1, 23, 24), (2, 23, 25), (3, 24, 23), (4, 25, 23),  -- the fluorites
  (5, 49, 50), (6, 49, 51), (7, 49, 52), (8, 50, 49), (9, 51, 49), (10, 52, 49),  -- the quartz varieties
  (11, 28, 30), (12, 30, 28), (13, 29, 28),  -- calcium carbonate polymorphs
  (14, 6, 14), (15, 14, 6),  -- iron disulfide polymorphs
  (16, 31, 32), (17, 32, 31),  -- copper carbonates
  (18, 7, 36), (19, 7, 43), (20, 36, 7), (21, 43, 7),  -- galena and its alteration minerals
  (22, 38, 39), (23, 39, 38), (24, 38, 42),  -- calcium sulfates
  (25, 15, 16), (26, 16, 15),  -- iron oxides
  (27, 58, 38), (28, 58, 28), (29, 58, 24), (30, 58, 44), (31, 58, 53), (32, 58, 49), (33, 58, 62), (34, 58, 17);  -- the Mohs set, from talc

-- Colours as 0x00BBGGRR: a parameter (0), values (1), items (2), a query (3) and one result
-- cell (4: item, list column, query).
INSERT INTO [Colors] (ID, OBJECT_TYPE, OBJECT_ID, OBJECT_ID2, OBJECT_ID3, COLOR_FG, COLOR_BG) VALUES
  (1, 0, 8, 0, 0, 0x00000000, 0x00CCFFFF),  -- Price column: pale yellow
  (2, 1, 126, 0, 0, 0x00000000, 0x0099E6FF),  -- colour values shown in their own tint
  (3, 1, 129, 0, 0, 0x00000000, 0x00CCCCFF),
  (4, 1, 131, 0, 0, 0x00000000, 0x00FFCCE6),
  (5, 1, 132, 0, 0, 0x00000000, 0x00FFE0C0),
  (6, 1, 133, 0, 0, 0x00000000, 0x00CCFFCC),
  (7, 2, 7, 0, 0, 0x000000B0, 0x00E6E6FF),  -- toxic specimens: dark red on pink
  (8, 2, 10, 0, 0, 0x000000B0, 0x00E6E6FF),
  (9, 2, 11, 0, 0, 0x000000B0, 0x00E6E6FF),
  (10, 2, 13, 0, 0, 0x000000B0, 0x00E6E6FF),
  (11, 2, 36, 0, 0, 0x000000B0, 0x00E6E6FF),
  (12, 2, 43, 0, 0, 0x000000B0, 0x00E6E6FF),
  (13, 2, 45, 0, 0, 0x000000B0, 0x00E6E6FF),
  (14, 2, 46, 0, 0, 0x000000B0, 0x00E6E6FF),
  (15, 3, 3, 0, 0, 0x00000000, 0x00F0FFF0),  -- query Hard coloured stones: pale green
  (16, 4, 4, 3, 2, 0x00FFFFFF, 0x00808000);  -- densest ore (native silver), Density cell of Heavy ore minerals

-- Stored queries. Each viewable parameter has a condition (NONE where it does not restrict),
-- a sort key and, when numeric, a footer; the result columns come in sort-key order.
INSERT INTO [Queries] (QUERY_ID, QUERY_NAME, IS_TEMPORARY, USER_ORDER) VALUES
  (1, 'Whole collection', 0, 0),
  (2, 'Heavy ore minerals', 0, 1),
  (3, 'Hard coloured stones', 0, 3),
  (4, 'Bought 2015 to 2019', 0, 2);

-- Conditions (CONDITION_ID = 10 * query + parameter). OPERATION_ID 1, 2 and 3 are the NONE
-- operations of text, number and date; 9 is >=, 15 the date BETWEEN.
INSERT INTO [Conditions] (CONDITION_ID, QUERY_ID, PROPERTY_ID, OPERATION_ID, ARGUMENT_ALPH, ARGUMENT_NUM, ARGUMENT_NUM_2, ARGUMENT_DATE, ARGUMENT_DATE_2, ALL_BUT, IS_MULTY) VALUES
-- Whole collection: no restriction.
  (11, 1, 1, 1, '', NULL, NULL, NULL, NULL, 0, 0),
  (12, 1, 2, 1, '', NULL, NULL, NULL, NULL, 0, 0),
  (13, 1, 3, 1, '', NULL, NULL, NULL, NULL, 0, 0),
  (14, 1, 4, 1, '', NULL, NULL, NULL, NULL, 0, 0),
  (15, 1, 5, 2, NULL, NULL, NULL, NULL, NULL, 0, 0),
  (16, 1, 6, 2, NULL, NULL, NULL, NULL, NULL, 0, 0),
  (17, 1, 7, 2, NULL, NULL, NULL, NULL, NULL, 0, 0),
  (18, 1, 8, 2, NULL, NULL, NULL, NULL, NULL, 0, 0),
  (19, 1, 9, 3, NULL, NULL, NULL, NULL, NULL, 0, 0),
-- Heavy ore minerals: Class is one of the ore classes and Density >= 4.50.
  (21, 2, 1, 1, '', NULL, NULL, NULL, NULL, 0, 1),
  (23, 2, 3, 1, '', NULL, NULL, NULL, NULL, 0, 0),
  (26, 2, 6, 9, NULL, 4.5, 0, NULL, NULL, 0, 0),
  (27, 2, 7, 2, NULL, NULL, NULL, NULL, NULL, 0, 0),
-- Hard coloured stones: NOT (Colour is Colourless or White) and Hardness >= 7.0.
  (32, 3, 2, 1, '', NULL, NULL, NULL, NULL, 1, 1),
  (34, 3, 4, 1, '', NULL, NULL, NULL, NULL, 0, 0),
  (35, 3, 5, 9, NULL, 7.0, 0, NULL, NULL, 0, 0),
  (37, 3, 7, 2, NULL, NULL, NULL, NULL, NULL, 0, 0),
  (38, 3, 8, 2, NULL, NULL, NULL, NULL, NULL, 0, 0),
-- Bought 2015 to 2019: Acquired between 31 Dec 2014 and 1 Jan 2020 (both bounds excluded).
  (41, 4, 1, 1, '', NULL, NULL, NULL, NULL, 0, 0),
  (44, 4, 4, 1, '', NULL, NULL, NULL, NULL, 0, 0),
  (48, 4, 8, 2, NULL, NULL, NULL, NULL, NULL, 0, 0),
  (49, 4, 9, 15, NULL, NULL, NULL, julianday('2014-12-31') - 2415018.5, julianday('2020-01-01') - 2415018.5, 0, 0);

-- Chosen values of the multiple-value conditions.
INSERT INTO [Multiply] (MULTY_ID, CONDITION_ID, VALUE_ID) VALUES
  (1, 21, 101), (2, 21, 102), (3, 21, 103),  -- Class: Native elements, Sulfides, Oxides
  (4, 32, 121), (5, 32, 122);  -- Colour: Colourless, White (the condition is negated by ALL_BUT)

-- Viewable columns (VIEWABLE_ID = 10 * query + parameter).
INSERT INTO [Viewable] (VIEWABLE_ID, QUERY_ID, PROPERTY_ID) VALUES
  (11, 1, 1), (12, 1, 2), (13, 1, 3), (14, 1, 4), (15, 1, 5), (16, 1, 6), (17, 1, 7), (18, 1, 8), (19, 1, 9),  -- Whole collection
  (21, 2, 1), (23, 2, 3), (26, 2, 6), (27, 2, 7),  -- Heavy ore minerals
  (32, 3, 2), (34, 3, 4), (35, 3, 5), (37, 3, 7), (38, 3, 8),  -- Hard coloured stones
  (41, 4, 1), (44, 4, 4), (48, 4, 8), (49, 4, 9);  -- Bought 2015 to 2019

-- Sort keys (SORT_ID = 10 * query + parameter): Whole collection in display order; Heavy ore
-- minerals by class, then density; Hard coloured stones by hardness, then price; Bought 2015 to
-- 2019 by date.
INSERT INTO [SortOrder] (SORT_ID, QUERY_ID, PROPERTY_ID, SORT_ORDER) VALUES
  (11, 1, 1, 0), (12, 1, 2, 1), (13, 1, 3, 2), (15, 1, 5, 3), (16, 1, 6, 4), (17, 1, 7, 5), (18, 1, 8, 6), (14, 1, 4, 7), (19, 1, 9, 8),  -- Whole collection
  (21, 2, 1, 0), (26, 2, 6, 1), (23, 2, 3, 2), (27, 2, 7, 3),  -- Heavy ore minerals
  (35, 3, 5, 0), (38, 3, 8, 1), (32, 3, 2, 2), (34, 3, 4, 3), (37, 3, 7, 4),  -- Hard coloured stones
  (49, 4, 9, 0), (48, 4, 8, 1), (41, 4, 1, 2), (44, 4, 4, 3);  -- Bought 2015 to 2019

-- Footers (FOOTER_ID = 10 * query + parameter): 2 none, 4 sum, 5 average, 6 minimum,
-- 7 maximum, 8 count.
INSERT INTO [Footer] (FOOTER_ID, QUERY_ID, PROPERTY_ID, FORMULA_ID) VALUES
  (15, 1, 5, 2), (16, 1, 6, 2), (17, 1, 7, 8), (18, 1, 8, 4),  -- Whole collection
  (26, 2, 6, 5), (27, 2, 7, 4),  -- Heavy ore minerals
  (35, 3, 5, 7), (37, 3, 7, 6), (38, 3, 8, 5),  -- Hard coloured stones
  (48, 4, 8, 4);  -- Bought 2015 to 2019

-- Saved permutations: the list columns of the parameters, 2 being the first parameter column.
-- Heavy ore minerals shows Class, Density, Lustre, Weight: Density first swaps the first two.
-- Hard coloured stones shows Hardness, Price, Colour, Country, Weight: Country first.
INSERT INTO [Combo] (COMBO_ID, QUERY_ID, QUERY_NAME, COMBO_NAME, COMBO) VALUES
  (1, 2, 'Heavy ore minerals', 'Density first', '3,2,4,5'),
  (2, 3, 'Hard coloured stones', 'Country first', '5,2,3,4,6');
